#include "app/ui/form_builder.h"

#include "skin/ui/program_font.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaMethod>
#include <QScreen>

#include "app/ui/error_report.h"
#include "app/ui/label.h"
#include "app/ui/picture.h"
#include "app/ui/qt_text.h"
#include "app/ui/sunken_line.h"
#include "skin/ui/arrow_button.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/popup_menu.h"
#include "skin/ui/progress_bar.h"
#include "skin/ui/shift_image.h"
#include "skin/ui/skin_colour.h"
#include "skin/ui/url_label.h"

namespace kestrum {

// Runs one declared handler when the signal it is connected to fires.
class EventRelay : public QObject {
    Q_OBJECT

public:
    EventRelay(QWidget& form, std::function<void()> handler)
        : QObject(&form), form_(form), handler_(std::move(handler)) {}

public slots:
    void Fire() { RunGuarded(&form_, handler_); }

private:
    QWidget& form_;
    std::function<void()> handler_;
};

// The window's action keys work wherever the focus is in the window, even in
// an edit box that has a use of its own for them (Ctrl+A would select its text).
class ActionKeysFirst : public QObject {
public:
    explicit ActionKeysFirst(QWidget& form) : QObject(&form), form_(form) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : form_.actions()) {
            if (action->shortcut() == pressed) {
                event->ignore();  // not the edit's: the action takes it
                return true;
            }
        }
        return false;
    }

private:
    QWidget& form_;
};

namespace {

[[noreturn]] void DeclarationError(const std::string& what) {
    throw std::logic_error(what);
}

// How each kind of control is made and which property holds its caption.
struct KindInfo {
    QWidget* (*make)(QWidget* parent);
    const char* captionProperty;
};

template <class T>
QWidget* Make(QWidget* parent) {
    return new T(parent);
}

KindInfo InfoOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return {Make<TLabel>, "Caption"};
        case ControlKind::Picture:
            return {Make<TImage>, nullptr};
        case ControlKind::SunkenLine:
            return {Make<TSunkenLine>, nullptr};
        case ControlKind::GroupBox:
            return {Make<QGroupBox>, "title"};
        case ControlKind::LineEdit:
            return {Make<QLineEdit>, "text"};
        case ControlKind::FlatPanel:
            return {Make<TFlatPanel>, "Caption"};
        case ControlKind::ArrowButton:
            return {Make<TlumArrowButton>, nullptr};
        case ControlKind::Edit:
            return {Make<TlumEdit>, "text"};
        case ControlKind::Button:
            return {Make<TlumButton>, "Caption"};
        case ControlKind::CheckBox:
            return {Make<TlumCheckBox>, "Caption"};
        case ControlKind::URLLabel:
            return {Make<TlumURLLabel>, "Caption"};
        case ControlKind::ShiftImage:
            return {Make<TKadShiftImage>, nullptr};
        case ControlKind::ProgressBar:
            return {Make<TlumProgressBar>, nullptr};
    }
    DeclarationError("unknown control kind");
}

Qt::WindowFlags FlagsOf(FormBorder border) {
    const Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (border) {
        case FormBorder::Single:
            return Qt::Window | common | Qt::WindowMinimizeButtonHint;
        case FormBorder::Dialog:
            return Qt::Dialog | common;
    }
    DeclarationError("unknown border");
}

void SetProperty(QObject& object, const char* name, const QVariant& value) {
    if (object.metaObject()->indexOfProperty(name) < 0 || !object.setProperty(name, value)) {
        DeclarationError(object.objectName().toStdString() + " cannot take the property " + name);
    }
}

void BuildControl(QWidget& form, const ControlDecl& decl) {
    QWidget* parent = &form;
    QPoint origin(0, 0);
    if (decl.parent != nullptr) {
        parent = Find<QWidget>(form, decl.parent);
        origin = parent->pos();
    }
    const KindInfo info = InfoOf(decl.kind);
    QWidget* control = info.make(parent);
    control->setObjectName(QString::fromLatin1(decl.name));
    control->setFont(ProgramFont(decl.font.pixelHeight, decl.font.bold, decl.font.underline));
    if (info.captionProperty != nullptr) {
        SetProperty(*control, info.captionProperty, ToQString(decl.caption));
    }
    if (!decl.hint.empty()) {
        control->setToolTip(ToQString(decl.hint));
    }
    if (decl.cursor != Qt::ArrowCursor) {
        control->setCursor(decl.cursor);
    }
    const QRect bounds = decl.bounds.translated(-origin);
    if (bounds.width() > 0 && control->metaObject()->indexOfProperty("AutoSize") >= 0) {
        SetProperty(*control, "AutoSize", false);
    }
    ApplyProperties(*control, decl.properties);
    control->move(bounds.topLeft());
    control->resize(bounds.width() > 0 ? bounds.width() : control->width(),
                    bounds.height() > 0 ? bounds.height() : control->height());
}

void BuildMenu(QWidget& form, const MenuDecl& decl) {
    auto* menu = new TlumPopupMenu(&form);
    menu->setObjectName(QString::fromLatin1(decl.name));
    ApplyProperties(*menu, decl.properties);
    for (const MenuItemDecl& item : decl.items) {
        QAction* action = menu->addAction(ToQString(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setCheckable(item.checkable);
        if (!item.hint.empty()) {
            action->setToolTip(ToQString(item.hint));
            action->setStatusTip(ToQString(item.hint));
            menu->setToolTipsVisible(true);
        }
    }
}

void BuildAction(QWidget& form, const ActionDecl& decl) {
    auto* action = new QAction(ToQString(decl.caption), &form);
    action->setObjectName(QString::fromLatin1(decl.name));
    action->setShortcut(decl.shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    form.addAction(action);
}

}  // namespace

void Place(QWidget& form, FormPosition position) {
    QRect area;
    if (position == FormPosition::OwnerCenter && form.parentWidget() != nullptr) {
        area = form.parentWidget()->window()->geometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
        area = screen->geometry();
    }
    if (area.isValid()) {
        form.move(area.left() + (area.width() - form.width()) / 2,
                  area.top() + (area.height() - form.height()) / 2);
    }
}

void ApplyProperties(QObject& object, const std::vector<PropertyValue>& properties) {
    for (const PropertyValue& property : properties) {
        SetProperty(object, property.name, property.value);
    }
}

void BuildForm(QWidget& form, const FormDecl& decl) {
    form.setObjectName(QString::fromLatin1(decl.name));
    form.setWindowFlags(FlagsOf(decl.border));
    form.setWindowTitle(ToQString(decl.caption));
    form.setFixedSize(decl.clientSize);
    form.setAutoFillBackground(true);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, ToQColor(kClBtnFace));
    form.setPalette(palette);
    form.setFont(ProgramFont());
    for (const ControlDecl& control : decl.controls) {
        BuildControl(form, control);
    }
    for (const MenuDecl& menu : decl.menus) {
        BuildMenu(form, menu);
    }
    for (const ActionDecl& action : decl.actions) {
        BuildAction(form, action);
    }
    if (!decl.actions.empty()) {
        auto* keys = new ActionKeysFirst(form);
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
            edit->installEventFilter(keys);
        }
    }
    QWidget* previous = nullptr;
    for (const char* name : decl.tabOrder) {
        QWidget* next = Find<QWidget>(form, name);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
    // The first control of the tab order has the focus when the window opens.
    if (!decl.tabOrder.empty()) {
        Find<QWidget>(form, decl.tabOrder.front())->setFocus(Qt::OtherFocusReason);
    }
    Place(form, decl.position);
}

void ConnectEvent(QWidget& form, const char* sender, const char* signal,
                  std::function<void()> handler) {
    QObject* source = Find<QObject>(form, sender);
    const QMetaObject* meta = source->metaObject();
    const int signalIndex = meta->indexOfSignal(QMetaObject::normalizedSignature(signal));
    if (signalIndex < 0) {
        DeclarationError(std::string(sender) + " has no signal " + signal);
    }
    auto* relay = new EventRelay(form, std::move(handler));
    const QMetaMethod fire =
        relay->metaObject()->method(relay->metaObject()->indexOfSlot("Fire()"));
    QObject::connect(source, meta->method(signalIndex), relay, fire);
}

}  // namespace kestrum

#include "form_builder.moc"
