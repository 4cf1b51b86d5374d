#pragma once

#include <QKeySequence>
#include <QRect>
#include <QVariant>
#include <string_view>
#include <vector>

#include "skin/ui/program_font.h"
#include "skin/ui/skin_types.h"

namespace kestrum {

// A window is declared as data, the way a form designer stores it, and
// built from that declaration by BuildForm: which controls it has, where
// they sit, what they show, their published properties, its menus and
// keyboard actions, and (EventDecl) which handler each event runs.

enum class ControlKind {
    Label,        // TLabel
    Picture,      // TImage
    SunkenLine,   // TSunkenLine
    GroupBox,     // QGroupBox; its caption is the frame's title
    LineEdit,     // QLineEdit, the toolkit's one-line edit
    FlatPanel,    // TFlatPanel
    ArrowButton,  // TlumArrowButton
    Edit,         // TlumEdit
    Button,       // TlumButton
    CheckBox,     // TlumCheckBox
    URLLabel,     // TlumURLLabel
    ShiftImage,   // TKadShiftImage
    ProgressBar,  // TlumProgressBar
};

// A published property (Q_PROPERTY) set by name once the control exists,
// in the order listed. Setting one that the control does not publish, or
// with a value of the wrong type, is an error of the declaration.
struct PropertyValue {
    const char* name;
    QVariant value;
};

// The values a declaration sets most often.
inline PropertyValue StyleOf(TlumUIStyle style) {
    return {"UIStyle", QVariant::fromValue(style)};
}
inline PropertyValue ColourOf(const char* name, TColor colour) {
    return {name, QVariant::fromValue<uint>(colour)};
}

struct FontDecl {
    int pixelHeight = kProgramFontPixels;
    bool bold = false;
    bool underline = false;
};

struct ControlDecl {
    const char* name;
    ControlKind kind;
    // In the window's client coordinates, whatever the parent. A width or
    // height of 0 leaves that size to the control (a label sized to its text).
    QRect bounds;
    std::string_view caption = {};
    std::string_view hint = {};    // shown as a tool tip
    const char* parent = nullptr;  // a group box declared earlier; null: the window
    FontDecl font = {};
    Qt::CursorShape cursor = Qt::ArrowCursor;
    std::vector<PropertyValue> properties = {};
};

// An entry of a popup menu; the caption "-" makes a separator.
struct MenuItemDecl {
    const char* name;
    std::string_view caption;
    std::string_view hint = {};
    bool checkable = false;
};

// A TlumPopupMenu of the window.
struct MenuDecl {
    const char* name;
    std::vector<PropertyValue> properties;
    std::vector<MenuItemDecl> items = {};
};

// A keyboard action of the window, active while the window has the focus.
struct ActionDecl {
    const char* name;
    std::string_view caption;
    QKeySequence shortcut;
};

enum class FormBorder {
    Single,  // fixed border, window menu, minimise box, no maximise box
    Dialog,  // fixed dialog border, window menu and close box only
};

enum class FormPosition { ScreenCenter, OwnerCenter };

struct FormDecl {
    const char* name;
    std::string_view caption;
    QSize clientSize;
    FormBorder border;
    FormPosition position;
    std::vector<ControlDecl> controls;  // in creation order
    std::vector<const char*> tabOrder;
    std::vector<MenuDecl> menus = {};
    std::vector<ActionDecl> actions = {};
};

// Which handler of `Form` an event runs: `signal` of the control, menu entry
// or action named `sender` ("OnClick()", "triggered()", "textChanged(QString)").
template <class Form>
struct EventDecl {
    const char* sender;
    const char* signal;
    void (Form::*handler)();
};

}  // namespace kestrum
