// Screenshots: a screen-to-DIB copy and a small PNG writer (stored deflate
// blocks, so no compression library is needed).
#include "Screenshot.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

uint32_t Crc32(const uint8_t* data, size_t n, uint32_t crc = 0)
{
    static uint32_t table[256];
    if (!table[1]) {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
    }
    crc = ~crc;
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBE32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    PutBE32(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBE32(out, Crc32(body.data(), body.size()));
}

std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& raw)
{
    std::vector<uint8_t> z = { 0x78, 0x01 };
    size_t pos = 0;
    do {
        const size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        const bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + n));
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBE32(z, (b << 16) | a);
    return z;
}

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& bgrx)
{
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);   // no filter
        const uint8_t* row = &bgrx[static_cast<size_t>(y) * 4 * static_cast<size_t>(width)];
        for (int x = 0; x < width; ++x) {
            raw.push_back(row[4 * x + 2]);
            raw.push_back(row[4 * x + 1]);
            raw.push_back(row[4 * x + 0]);
        }
    }
    std::vector<uint8_t> png = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    std::vector<uint8_t> header;
    PutBE32(header, static_cast<uint32_t>(width));
    PutBE32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), { 8, 2, 0, 0, 0 });   // 8-bit RGB
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", ZlibStored(raw));
    PutChunk(png, "IEND", {});
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

bool SaveWindowPng(HWND hWnd, const std::string& path)
{
    RECT r;
    if (!::GetWindowRect(hWnd, &r))
        return false;
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0)
        return false;
    // Let the window finish painting before the copy.
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    ::Sleep(150);

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;   // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (dib) {
        HGDIOBJ old = ::SelectObject(memory, dib);
        ok = ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != FALSE;
        ::GdiFlush();
        std::vector<uint8_t> pixels(static_cast<const uint8_t*>(bits),
                                    static_cast<const uint8_t*>(bits) + 4 * static_cast<size_t>(width) * height);
        ::SelectObject(memory, old);
        ::DeleteObject(dib);
        ok = ok && WritePng(path, width, height, pixels);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return ok;
}
