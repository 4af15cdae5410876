// The in-memory dialog templates of the Windows edition, built from the shared template tables.
#include "DialogTemplate.h"

namespace pennantry {

namespace {

constexpr WORD ButtonClass = 0x0080;
constexpr WORD StaticClass = 0x0082;

void Append(std::vector<WORD>& out, std::string_view text)
{
    // The tables hold plain ASCII, so each character widens to one UTF-16 unit.
    for (const char c : text)
        out.push_back(static_cast<unsigned char>(c));
    out.push_back(0);
}

void AppendDword(std::vector<WORD>& out, DWORD value)
{
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

// Whether the system draws a face as itself rather than putting another in its place.
bool Drawn(std::string_view face)
{
    const std::string name(face);
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontA(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, name.c_str());
    HGDIOBJ before = SelectObject(screen, font);
    char drawn[LF_FACESIZE] = {};
    GetTextFaceA(screen, sizeof drawn, drawn);
    SelectObject(screen, before);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return lstrcmpiA(drawn, name.c_str()) == 0;
}

// The face the dialogs are drawn in: the tables' own where the system has it, else the face
// nearest it in its proportions, where the system has that. At the same points its dialog units
// are the same 6 x 13 pixels, so that the pictures keep their places over the field, and every
// text fits; a substitute the system picks itself may not (under Wine without its own fonts, one
// a pixel shorter, in which "Outs:" lost its colon).
std::string_view DialogFontFace(const DialogTemplate& dialog)
{
    constexpr std::string_view Nearest = "DejaVu Sans Condensed";
    return Drawn(dialog.FontFace) || !Drawn(Nearest) ? dialog.FontFace : Nearest;
}

}  // namespace

DWORD ControlStyle(const DialogControl& control, bool firstOfGroup)
{
    DWORD style = WS_CHILD;
    if (!(control.Style & Hidden))
        style |= WS_VISIBLE;
    if (control.Style & Disabled)
        style |= WS_DISABLED;
    if (control.Style & TabStop)
        style |= WS_TABSTOP;
    if (firstOfGroup)
        style |= WS_GROUP;
    const bool multiLine = control.Style & MultiLine;
    switch (control.Kind) {
    case ControlKind::PushButton:
        style |= (control.Style & DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        return style | (multiLine ? BS_MULTILINE : 0);
    case ControlKind::RadioButton:
        return style | BS_AUTORADIOBUTTON | (multiLine ? BS_MULTILINE : 0);
    case ControlKind::GroupBox:
        return style | BS_GROUPBOX;
    case ControlKind::Label:
        // Labels show their texts as they are: a score or a message has no access key.
        return style | SS_LEFT | SS_NOPREFIX;
    case ControlKind::Picture:
    case ControlKind::Icon:
        style |= control.Kind == ControlKind::Picture ? SS_BITMAP : SS_ICON;
        if (control.Style & Notify)
            style |= SS_NOTIFY;
        if (control.Style & Sunken)
            style |= SS_SUNKEN;
        return style;
    }
    return style;
}

DWORD WindowStyle(const DialogTemplate& dialog)
{
    // Every dialog is shown, centred, once its initialisation has returned.
    DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK | DS_CENTER;
    if (dialog.Style & SystemMenu)
        style |= WS_SYSMENU;
    if (dialog.Style & MinimizeBox)
        style |= WS_MINIMIZEBOX;
    return style;
}

DWORD ExtendedStyle(const DialogTemplate& dialog)
{
    DWORD style = 0;
    if (dialog.Style & ToolWindow)
        style |= WS_EX_TOOLWINDOW;
    if (dialog.Style & AppWindow)
        style |= WS_EX_APPWINDOW;
    return style;
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialog, std::string_view windowClass)
{
    std::vector<WORD> out;
    AppendDword(out, WindowStyle(dialog));
    AppendDword(out, ExtendedStyle(dialog));
    out.push_back(static_cast<WORD>(dialog.Controls.size()));
    for (const int unit : {0, 0, dialog.Width, dialog.Height})
        out.push_back(static_cast<WORD>(unit));
    out.push_back(0);  // no menu
    if (windowClass.empty())
        out.push_back(0);  // the standard dialog class
    else
        Append(out, windowClass);
    Append(out, dialog.Caption);
    out.push_back(static_cast<WORD>(dialog.FontPoints));
    Append(out, DialogFontFace(dialog));

    bool afterRadio = false;
    for (const DialogControl& control : dialog.Controls) {
        // Items start on a DWORD boundary.
        if (out.size() % 2)
            out.push_back(0);
        // A run of radio buttons is one group: clicking one clears the others.
        const bool radio = control.Kind == ControlKind::RadioButton;
        AppendDword(out, ControlStyle(control, radio && !afterRadio));
        AppendDword(out, 0);
        for (const int unit : {control.X, control.Y, control.Width, control.Height})
            out.push_back(static_cast<WORD>(unit));
        out.push_back(static_cast<WORD>(control.Id));
        out.push_back(0xFFFF);
        const bool button = control.Kind == ControlKind::PushButton || control.Kind == ControlKind::RadioButton ||
                            control.Kind == ControlKind::GroupBox;
        out.push_back(button ? ButtonClass : StaticClass);
        if (control.Resource != 0) {
            out.push_back(0xFFFF);
            out.push_back(static_cast<WORD>(control.Resource));
        } else {
            Append(out, control.Text);
        }
        out.push_back(0);  // no creation data
        afterRadio = radio;
    }
    return out;
}

const std::string& ApplicationName()
{
    static const std::string name = [] {
        char path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string file(path, length < MAX_PATH ? length : 0);
        file = file.substr(file.find_last_of("\\/") + 1);
        return file.substr(0, file.rfind('.'));
    }();
    return name;
}

}  // namespace pennantry
