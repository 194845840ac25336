// The configuration reader fed generated files (random bytes, NUL bytes,
// lines of 0 to 2000 characters with LF, CR LF, CR-only and mixed line ends,
// with and without a final line feed, and one of 5 MB): whatever a damaged or
// foreign file holds, the reader ends, and every identifier it returns fits
// the line buffer, holds no line feed and no comment, and there are never
// more of them than lines read.
#include "ConfigReader.h"
#include "MessageBoxReader.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace {

constexpr int kMaxIdentifier = 255;
constexpr int kPreparedEntries = 20;
constexpr size_t kLargeFile = 5u << 20;
constexpr unsigned kSeed = 20240611;
constexpr int kFiles = 20000;

// How many lines the reader gets out of these bytes, counted as it reads
// them: text mode ends at Ctrl+Z and takes CR LF as one line feed, and a
// line longer than 255 characters arrives in pieces of 255.
int LinePieces(const std::string& bytes)
{
    int pieces = 0;
    int inPiece = 0;
    for (size_t i = 0; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        ++inPiece;
        if (bytes[i] == '\n' || inPiece == kMaxIdentifier) {
            ++pieces;
            inPiece = 0;
        }
    }
    return pieces + (inPiece > 0 ? 1 : 0);
}

enum LineEnds { kLf, kCrLf, kCrOnly, kMixed };

class ConfigGenerator {
public:
    ConfigGenerator() : m_rng(kSeed) {}

    // File number n: random bytes, or lines with one kind of line end.
    std::string File(int n)
    {
        switch (n % 5) {
        case 0: return RandomBytes(Uniform(0, 4096));
        case 1: return Lines(Uniform(0, 12), kLf);
        case 2: return Lines(Uniform(0, 12), kCrLf);
        case 3: return Lines(Uniform(0, 12), kCrOnly);
        default: return Lines(Uniform(0, 12), kMixed);
        }
    }

    std::string Large()
    {
        std::string bytes;
        while (bytes.size() < kLargeFile)
            bytes += Lines(100, kMixed);
        return bytes;
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }

    std::string RandomBytes(int length)
    {
        std::string bytes(static_cast<size_t>(length), '\0');
        for (char& c : bytes)
            c = static_cast<char>(Uniform(0, 255));
        return bytes;
    }

    // Mostly drive names and comments; now and then a NUL, a tab, a lone
    // carriage return or a character that classes a line.
    char LineCharacter()
    {
        static const char kRare[] = { '\0', '\t', '\r', ';', '[', ' ', '\xE9', '\xFC' };
        if (Uniform(0, 19) == 0)
            return kRare[Uniform(0, sizeof kRare - 1)];
        static const char kCommon[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -./";
        return kCommon[Uniform(0, sizeof kCommon - 2)];
    }

    // Short lines, lines around the 255 characters of the line buffer, and
    // long ones up to 2000.
    int LineLength()
    {
        switch (Uniform(0, 3)) {
        case 0: return Uniform(0, 2000);
        case 1: return Uniform(253, 257);
        default: return Uniform(0, 80);
        }
    }

    const char* LineEnd(LineEnds ends)
    {
        static const char* const kEnds[] = { "\n", "\r\n", "\r", "\n\r" };
        return ends == kMixed ? kEnds[Uniform(0, 3)] : kEnds[ends];
    }

    std::string Lines(int count, LineEnds ends)
    {
        std::string bytes;
        for (int i = 0; i < count; ++i) {
            const int length = LineLength();
            for (int c = 0; c < length; ++c)
                bytes += LineCharacter();
            // The last line goes without its line end half of the time.
            if (i + 1 < count || Uniform(0, 1) == 0)
                bytes += LineEnd(ends);
        }
        return bytes;
    }

    std::mt19937 m_rng;
};

// What is wrong with the reader's answer for these bytes; empty when nothing.
std::string Fault(const std::string& bytes, const CStringArray& list, int count)
{
    const int pieces = LinePieces(bytes);
    if (count < 0 || count > pieces)
        return "count " + std::to_string(count) + " for " + std::to_string(pieces) + " lines";
    if (list.GetSize() != count + kPreparedEntries)
        return "list of " + std::to_string(list.GetSize()) + " entries for count " + std::to_string(count);
    for (int i = 0; i < list.GetSize(); ++i) {
        const CString& entry = list.GetAt(i);
        const std::string at = " at entry " + std::to_string(i);
        if (i >= count && !entry.IsEmpty())
            return "prepared entry not empty" + at;
        if (entry.GetLength() > kMaxIdentifier)
            return "identifier of " + std::to_string(entry.GetLength()) + " characters" + at;
        if (std::strchr(entry, '\n'))
            return "line feed in the identifier" + at;
        if (std::strchr(entry, ';'))
            return "comment left in the identifier" + at;
    }
    return "";
}

// Puts the bytes into the file in place. Truncating a file to nothing and
// writing it again makes ext4 flush it when it is closed, which costs
// milliseconds per file; cutting it to the new length does not.
bool Rewrite(const std::string& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
                    && written == bytes.size() && ::SetEndOfFile(file);
    ::CloseHandle(file);
    return ok;
}

// Reads the bytes through a file; the reader must not show a box for a file
// it can open.
std::string ReadAndCheck(const TempDir& dir, const std::string& bytes)
{
    const std::string path = dir.File("FerlCdr.cfg");
    if (!Rewrite(path, bytes))
        return "the test could not write " + path;
    std::vector<MessageBoxSeen> boxes;
    ModalDriver closeAnyBox({ ReadAndCloseBox("", &boxes) }, 5000);
    CStringArray list;
    const int count = ReadRecorderConfig(list, path.c_str());
    if (!boxes.empty())
        return "box \"" + boxes[0].text + "\"";
    return Fault(bytes, list, count);
}

} // namespace

TEST(ConfigReaderReliability, GeneratedFilesGiveBoundedIdentifiers)
{
    TempDir dir("reader-generated");
    ConfigGenerator generator;
    for (int n = 0; n < kFiles; ++n) {
        const std::string fault = ReadAndCheck(dir, generator.File(n));
        ASSERT_EQ("", fault) << "generated file " << n << " of seed " << kSeed;
    }
}

TEST(ConfigReaderReliability, FileOfFiveMegabytes)
{
    TempDir dir("reader-large");
    ConfigGenerator generator;
    const std::string bytes = generator.Large();
    ASSERT_GE(bytes.size(), kLargeFile);
    EXPECT_EQ("", ReadAndCheck(dir, bytes));
}
