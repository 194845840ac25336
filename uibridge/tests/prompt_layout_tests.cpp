// The prompt's template and its layout per mode under Wine, checked by
// relations between the controls rather than by pixels of one font.
#include "ModalDriver.h"
#include "PromptProbe.h"
#include "uibridge.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr DWORD kDriverTimeoutMs = 5000;

// The prompt's template as it lies in the library's resources.
struct ItemTemplate {
    WORD id;
    std::string className;   // the name, also for a predefined class given by its atom
    std::string text;
    short x, y, cx, cy;
    DWORD style;
};

struct DialogTemplate {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    WORD pointSize = 0;
    std::string font;
    std::vector<ItemTemplate> items;
};

// A text of the template (characters stored as 16-bit units); an ordinal
// (0xFFFF, number) yields its number instead.
const WORD* ReadText(const WORD* p, std::string* text, WORD* ordinal = nullptr)
{
    if (*p == 0xFFFF) {
        if (ordinal)
            *ordinal = p[1];
        return p + 2;
    }
    for (; *p; ++p)
        text->push_back(static_cast<char>(*p));
    return p + 1;
}

DialogTemplate LoadPromptTemplate()
{
    DialogTemplate t;
    HMODULE module = ::GetModuleHandleA("uibridge.dll");
    HRSRC res = ::FindResourceA(module, MAKEINTRESOURCEA(129), MAKEINTRESOURCEA(5));   // RT_DIALOG
    if (!res)
        return t;
    const auto* dlg = static_cast<const DLGTEMPLATE*>(::LockResource(::LoadResource(module, res)));
    t.style = dlg->style;
    t.x = dlg->x;
    t.y = dlg->y;
    t.cx = dlg->cx;
    t.cy = dlg->cy;
    std::string menu, cls;
    const WORD* p = ReadText(reinterpret_cast<const WORD*>(dlg + 1), &menu);
    p = ReadText(p, &cls);
    p = ReadText(p, &t.caption);
    if (t.style & DS_SETFONT) {
        t.pointSize = *p++;
        p = ReadText(p, &t.font);
    }
    for (int i = 0; i < dlg->cdit; ++i) {
        // Each item starts on a 32-bit boundary.
        const auto offset = reinterpret_cast<const BYTE*>(p) - reinterpret_cast<const BYTE*>(dlg);
        const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(reinterpret_cast<const BYTE*>(dlg) + ((offset + 3) & ~3));
        ItemTemplate it = { item->id, "", "", item->x, item->y, item->cx, item->cy, item->style };
        WORD atom = 0;
        p = ReadText(reinterpret_cast<const WORD*>(item + 1), &it.className, &atom);
        if (atom)
            it.className = atom == 0x80 ? "Button" : atom == 0x81 ? "Edit" : atom == 0x82 ? "Static" : "?";
        p = ReadText(p, &it.text);
        p += 1 + *p / sizeof(WORD);   // creation data: its size, then the bytes
        t.items.push_back(it);
    }
    return t;
}

// Runs one prompt call while the driver reads the prompt and answers it.
template <typename Call>
PromptView ShowAndRead(Call call, Answer answer = Answer::Escape)
{
    PromptView view;
    ModalDriver driver({ [&](HWND top) {
        view = ReadPrompt(top);
        AnswerPrompt(top, answer);
        return true;
    } }, kDriverTimeoutMs);
    call();
    EXPECT_TRUE(driver.Finished());
    EXPECT_FALSE(driver.TimedOut());
    return view;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

enum class Row { Centred, CentredPair, InPlace };

struct ModeCase {
    const char* call;
    std::function<void(const char*)> run;
    bool input;
    Row row;
    LPCSTR icon;
    const char* caption;
    std::vector<std::string> labels;   // BTN1, BTN2, BTN3 as far as shown
};

std::vector<ModeCase> ModeCases()
{
    const auto message = [](int type) { return [type](const char* text) { MessageDialog(text, type, 0, 0); }; };
    const auto question = [](int type) { return [type](const char* text) { QuestionDialog(text, type, 0, 0); }; };
    return {
        { "MessageDialog 1", message(1), false, Row::Centred, IDI_ASTERISK, "Ferl 4.0 - Information", { "OK" } },
        { "MessageDialog 2", message(2), false, Row::CentredPair, IDI_ASTERISK, "Ferl 4.0 - Information", { "OK", "Cancel" } },
        { "MessageDialog 3", message(3), false, Row::Centred, IDI_HAND, "Ferl 4.0 - Error", { "OK" } },
        { "MessageDialog 4", message(4), false, Row::CentredPair, IDI_EXCLAMATION, "Ferl 4.0 - Warning", { "OK", "Cancel" } },
        { "MessageDialog 5", message(5), false, Row::Centred, IDI_ASTERISK, "Ferl 4.0 - Information", { "OK" } },
        { "MessageDialog 0 (unknown type)", message(0), false, Row::Centred, IDI_ASTERISK, "Ferl 4.0 - Information", { "OK" } },
        { "QuestionDialog 1", question(1), false, Row::CentredPair, IDI_QUESTION, "Ferl 4.0 - Question", { "Yes", "No" } },
        { "QuestionDialog 2", question(2), false, Row::InPlace, IDI_QUESTION, "Ferl 4.0 - Question", { "Yes", "No", "Yes to All" } },
        { "QuestionDialog 3", question(3), false, Row::CentredPair, IDI_QUESTION, "Ferl 4.0 - Question", { "Yes", "No" } },
        { "QuestionDialog 9 (unknown type)", question(9), false, Row::CentredPair, IDI_QUESTION, "Ferl 4.0 - Question", { "Yes", "No" } },
        { "GetText", [](const char* text) {
              char result[32];
              GetText(text, "initial", result, sizeof result);
          },
          true, Row::Centred, IDI_QUESTION, "Ferl 4.0 - Question", { "OK" } },
        { "GetValue", [](const char* text) { GetValue(text, 0, 10, 5, TRUE, TRUE); },
          true, Row::Centred, IDI_QUESTION, "Ferl 4.0 - Question", { "OK" } },
    };
}

// Where the buttons of a row stand, given the top that the mode gives them.
void ExpectButtonRow(const ModeCase& c, const PromptView& view, int top)
{
    const RECT b1 = view.Pixels(40, 49, 50, 14), b2 = view.Pixels(127, 49, 50, 14), b3 = view.Pixels(214, 49, 50, 14);
    const int clientWidth = view.client.right;
    EXPECT_EQ(top, view[kBtn1].rect.top);
    EXPECT_EQ(Width(b1), Width(view[kBtn1].rect));
    switch (c.row) {
    case Row::Centred:
        EXPECT_EQ((clientWidth - Width(b1)) / 2, view[kBtn1].rect.left);
        break;
    case Row::CentredPair: {
        const int gap = b2.left - b1.right;
        EXPECT_EQ(gap, view[kBtn2].rect.left - view[kBtn1].rect.right);
        EXPECT_EQ((clientWidth - 2 * Width(b1) - gap) / 2, view[kBtn1].rect.left);
        EXPECT_EQ(top, view[kBtn2].rect.top);
        break;
    }
    case Row::InPlace:
        EXPECT_EQ(b1.left, view[kBtn1].rect.left);
        EXPECT_EQ(b2.left, view[kBtn2].rect.left);
        EXPECT_EQ(b3.left, view[kBtn3].rect.left);
        EXPECT_EQ(top, view[kBtn2].rect.top);
        EXPECT_EQ(top, view[kBtn3].rect.top);
        break;
    }
}

} // namespace

TEST(PromptTemplate, HoldsTheSixControlsAtTheirPlaces)
{
    const DialogTemplate t = LoadPromptTemplate();
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL | DS_SETFONT), t.style);
    EXPECT_EQ(0, t.style & WS_SYSMENU);
    EXPECT_EQ(0, t.x);
    EXPECT_EQ(0, t.y);
    EXPECT_EQ(272, t.cx);
    EXPECT_EQ(71, t.cy);
    EXPECT_EQ("Generic dialog", t.caption);
    EXPECT_EQ(8, t.pointSize);
    EXPECT_EQ("MS Sans Serif", t.font);

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const std::vector<ItemTemplate> expected = {
        { 1000, "Button", "BTN1", 40, 49, 50, 14, child | WS_TABSTOP | BS_DEFPUSHBUTTON },
        { 1001, "Button", "BTN2", 127, 49, 50, 14, child | WS_TABSTOP | BS_PUSHBUTTON },
        { 1002, "Button", "BTN3", 214, 49, 50, 14, child | WS_TABSTOP | BS_PUSHBUTTON },
        { 1003, "Edit", "", 40, 28, 224, 13, child | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL },
        { 1004, "Static", "Here comes the text", 40, 8, 224, 20, child | WS_GROUP | SS_LEFT },
        { 1005, "Static", "", 8, 8, 18, 20, child | WS_GROUP | SS_ICON },
    };
    ASSERT_EQ(expected.size(), t.items.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ItemTemplate& e = expected[i];
        const ItemTemplate& a = t.items[i];
        SCOPED_TRACE("control " + std::to_string(e.id));
        EXPECT_EQ(e.id, a.id);
        EXPECT_EQ(0, ::lstrcmpiA(e.className.c_str(), a.className.c_str())) << a.className;
        EXPECT_EQ(e.text, a.text);
        EXPECT_EQ(e.x, a.x);
        EXPECT_EQ(e.y, a.y);
        EXPECT_EQ(e.cx, a.cx);
        EXPECT_EQ(e.cy, a.cy);
        EXPECT_EQ(e.style, a.style);
    }
}

TEST(PromptLayout, EachModeShowsItsIconCaptionLabelsAndButtonRow)
{
    for (const ModeCase& c : ModeCases()) {
        SCOPED_TRACE(c.call);
        const PromptView view = ShowAndRead([&] { c.run("Short."); });
        ASSERT_NE(nullptr, view.hWnd);
        EXPECT_EQ(c.caption, view.caption);
        EXPECT_EQ("Short.", view[kText].text);
        EXPECT_EQ(::LoadIconA(nullptr, c.icon), view.icon);
        EXPECT_TRUE(view[kText].visible);
        EXPECT_TRUE(view[kIcon].visible);
        const size_t shown = c.labels.size();
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(i < shown, view[kBtn1 + static_cast<int>(i)].visible) << "BTN" << i + 1;
            if (i < shown) {
                EXPECT_EQ(c.labels[i], view[kBtn1 + static_cast<int>(i)].text);
            }
        }
        EXPECT_EQ(c.input, view[kEdit].visible);

        // A message lower than the text area leaves the area as it is.
        const RECT text = view.Pixels(40, 8, 224, 20), edit = view.Pixels(40, 28, 224, 13);
        const RECT button = view.Pixels(40, 49, 50, 14), whole = view.Pixels(0, 0, 272, 71);
        EXPECT_EQ(text.left, view[kText].rect.left);
        EXPECT_EQ(text.top, view[kText].rect.top);
        EXPECT_EQ(Height(text), Height(view[kText].rect));
        EXPECT_EQ(view.Pixels(8, 8, 18, 20).top, view[kIcon].rect.top);
        if (c.input) {
            // The edit field keeps its row and has the focus.
            EXPECT_EQ(edit.top, view[kEdit].rect.top);
            EXPECT_EQ(kEdit, view.focusId);
            EXPECT_EQ(Height(whole), Height(view.client));
            ExpectButtonRow(c, view, button.top);
        } else {
            // The edit field's row closes: the buttons take its place and
            // the prompt is lower by as much.
            const int editRow = button.top - edit.top;
            EXPECT_EQ(Height(whole) - editRow, Height(view.client));
            ExpectButtonRow(c, view, edit.top);
            EXPECT_EQ(kBtn1, view.focusId);
        }
    }
}

TEST(PromptLayout, TallMessageGrowsTheTextAreaAndPushesTheRestDown)
{
    const char* message =
        "The disc in the recorder is not empty. Its last session is closed, so nothing more can be "
        "written to it. Insert a blank disc, or a disc whose last session is still open, and try "
        "again. Writing will start as soon as the recorder reports that the new disc is ready.";
    for (const bool input : { false, true }) {
        SCOPED_TRACE(input ? "GetText" : "MessageDialog");
        char result[8];
        const PromptView view = ShowAndRead([&] {
            if (input)
                GetText(message, nullptr, result, sizeof result);
            else
                MessageDialog(message, 1, 0, 0);
        });
        ASSERT_NE(nullptr, view.hWnd);
        const RECT measured = view.measured;
        const RECT text = view.Pixels(40, 8, 224, 20), edit = view.Pixels(40, 28, 224, 13);
        const RECT button = view.Pixels(40, 49, 50, 14), whole = view.Pixels(0, 0, 272, 71);
        ASSERT_GT(Height(measured), Height(text)) << "the message must be taller than the area";
        const int growth = Height(measured) - Height(text);

        EXPECT_EQ(text.left, view[kText].rect.left);
        EXPECT_EQ(text.top, view[kText].rect.top);
        EXPECT_EQ(Width(measured), Width(view[kText].rect));
        EXPECT_EQ(Height(measured), Height(view[kText].rect));
        if (input) {
            EXPECT_EQ(Height(whole) + growth, Height(view.client));
            EXPECT_EQ(edit.top + growth, view[kEdit].rect.top);
            EXPECT_EQ(edit.left, view[kEdit].rect.left);
            EXPECT_EQ(button.top + growth, view[kBtn1].rect.top);
        } else {
            const int editRow = button.top - edit.top;
            EXPECT_EQ(Height(whole) - editRow + growth, Height(view.client));
            EXPECT_EQ(edit.top + growth, view[kBtn1].rect.top);
        }
    }
}

TEST(PromptLayout, AWordWiderThanTheAreaWidensIt)
{
    const std::string word(120, 'W');
    const PromptView view = ShowAndRead([&] { MessageDialog(word.c_str(), 1, 0, 0); });
    ASSERT_NE(nullptr, view.hWnd);
    const RECT measured = view.measured;
    ASSERT_GT(Width(measured), Width(view.Pixels(40, 8, 224, 20)));
    // One line is lower than the area: it keeps its size, unwidened.
    EXPECT_EQ(Width(view.Pixels(40, 8, 224, 20)), Width(view[kText].rect));
    const std::string tall = word + "\n\n\n\n\n";
    const PromptView tallView = ShowAndRead([&] { MessageDialog(tall.c_str(), 1, 0, 0); });
    EXPECT_EQ(Width(tallView.measured), Width(tallView[kText].rect));
}

TEST(PromptOwner, IsTheActiveWindowAndIsDisabledWhileThePromptIsOpen)
{
    HWND owner = ::CreateWindowExA(0, "STATIC", "front end", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, owner);
    ::SetActiveWindow(owner);
    ASSERT_EQ(owner, ::GetActiveWindow());
    HWND promptOwner = nullptr;
    BOOL ownerEnabled = TRUE;
    ModalDriver driver({ [&](HWND top) {
        promptOwner = ::GetWindow(top, GW_OWNER);
        ownerEnabled = ::IsWindowEnabled(owner);
        AnswerPrompt(top, Answer::Btn1);
        return true;
    } }, kDriverTimeoutMs);
    EXPECT_EQ(2, MessageDialog("Owned.", 1, 0, 0));
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(owner, promptOwner);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    ::DestroyWindow(owner);
}
