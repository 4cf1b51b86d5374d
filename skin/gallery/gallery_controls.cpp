// The buttons, check boxes, arrows, progress bars, edit boxes, link label and
// flat panel of the gallery.
#include <QPainter>

#include "resources/program_pictures.h"
#include "skin/gallery/gallery_cases.h"
#include "skin/gallery/gallery_host.h"
#include "skin/gallery/gallery_skin.h"
#include "skin/ui/arrow_button.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/progress_bar.h"
#include "skin/ui/url_label.h"

namespace kestrum::gallery {
namespace {

QString Name(const char* kind, TlumUIStyle style, const QString& state = {}) {
    QString name = QString("%1-%2").arg(kind, QString::fromLatin1(UIStyleName(style).data()));
    return state.isEmpty() ? name : name + "-" + state;
}

std::vector<Shot> Buttons(TlumUIStyle style) {
    std::vector<Shot> shots;
    for (const QString state : {"normal", "hot", "pressed", "disabled", "focused"}) {
        Host host;
        TlumButton button(host.Parent());
        SetStyle(button, style);
        button.resize(80, 23);
        button.SetCaption("Convert...");
        if (state == "focused") {
            host.Focus(&button);
        } else if (state == "hot") {
            Hover(&button);
        } else if (state == "pressed") {
            Hover(&button);
            Press(&button);
        } else if (state == "disabled") {
            button.setEnabled(false);
        }
        shots.push_back({Name("button", style, state), host.Shot(&button)});
    }
    Host host;
    TlumButton small(host.Parent());
    SetStyle(small, style);
    small.resize(30, 23);
    small.SetCaption("...");
    shots.push_back({Name("button", style, "small"), host.Shot(&small)});
    return shots;
}

std::vector<Shot> CheckBoxes(TlumUIStyle style) {
    std::vector<Shot> shots;
    struct State {
        const char* name;
        bool checked;
        bool enabled;
        bool focused;
    };
    for (const State& state :
         {State{"checked", true, true, false}, State{"unchecked", false, true, false},
          State{"checked-disabled", true, false, false},
          State{"unchecked-disabled", false, false, false}, State{"focused", true, true, true}}) {
        Host host;
        TlumCheckBox box(host.Parent());
        SetStyle(box, style);
        box.SetCaption("Same as the input file");
        box.SetChecked(state.checked);
        box.setEnabled(state.enabled);
        if (state.focused) {
            host.Focus(&box);
        }
        shots.push_back({Name("checkbox", style, state.name), host.Shot(&box)});
    }
    return shots;
}

std::vector<Shot> Arrows(TlumUIStyle style) {
    std::vector<Shot> shots;
    for (TlumArrow arrow : {TlumArrow::lumDown, TlumArrow::lumUp}) {
        Host host;
        TlumArrowButton button(host.Parent());
        SetStyle(button, style);
        button.SetArrow(arrow);
        button.resize(21, 21);
        shots.push_back({Name("arrow", style, arrow == TlumArrow::lumDown ? "down" : "up"),
                         host.Shot(&button)});
    }
    return shots;
}

std::vector<Shot> ProgressBars(TlumUIStyle style) {
    std::vector<Shot> shots;
    for (int position : {0, 1, 50, 100, 150}) {
        Host host;
        TlumProgressBar bar(host.Parent());
        SetStyle(bar, style);
        bar.resize(212, 18);
        bar.SetMin(0);
        bar.SetMax(100);
        bar.SetPosition(position);
        shots.push_back({Name("progress", style, QString::number(position)), host.Shot(&bar)});
    }
    return shots;
}

Shot Edit(TlumUIStyle style) {
    Host host;
    TlumEdit edit(host.Parent());
    SetStyle(edit, style);
    edit.resize(300, 20);
    edit.setText("/home/anna/Videos/Converted");
    edit.setCursorPosition(0);
    return {Name("edit", style), host.Shot(&edit)};
}

// The link label sits on the main window's banner, white until hovered.
Shot LinkLabel(bool hovered) {
    Host host;
    pictures::InitProgramPictures();
    QLabel banner(host.Parent());
    banner.setPixmap(QPixmap(pictures::kMainBanner));
    banner.setGeometry(0, 0, 405, 50);
    TlumURLLabel label(host.Parent());
    label.SetCaption("Check for updates...");
    label.SetTransparent(true);
    label.SetFontHoverColor(0x0000FF);
    label.SetFontLinkColor(0xFFFFFF);
    QFont font = label.font();
    font.setPixelSize(12);
    label.setFont(font);
    if (hovered) {
        Hover(&label);
    }
    host.Parent()->resize(405, 50);
    label.move(405 - label.width() - 10, 24);
    const QImage whole = host.Parent()->grab(QRect(250, 14, 155, 30)).toImage();
    return {hovered ? "urllabel-hover" : "urllabel-normal", whole};
}

Shot FlatPanel(const QString& name, const QString& caption, bool enabled) {
    Host host;
    TFlatPanel panel(host.Parent());
    panel.resize(371, 21);
    panel.SetColorHighLight(0);
    panel.SetColorShadow(0);
    panel.SetCaption(caption);
    panel.setEnabled(enabled);
    return {name, host.Shot(&panel)};
}

}  // namespace

std::vector<Section> RenderControls() {
    Section buttons{"Push buttons: normal, hot, pressed, disabled, focused, small", {}};
    Section boxes{"Check boxes: checked, unchecked, disabled, focused", {}};
    Section arrows{"Arrow buttons", {}};
    Section bars{"Progress bars: 0, 1, 50, 100, 150 of 0..100", {}};
    Section edits{"Edit boxes", {}};
    for (TlumUIStyle style : kAllUIStyles) {
        for (Shot& shot : Buttons(style)) {
            buttons.shots.push_back(std::move(shot));
        }
        for (Shot& shot : CheckBoxes(style)) {
            boxes.shots.push_back(std::move(shot));
        }
        for (Shot& shot : Arrows(style)) {
            arrows.shots.push_back(std::move(shot));
        }
        for (Shot& shot : ProgressBars(style)) {
            bars.shots.push_back(std::move(shot));
        }
        edits.shots.push_back(Edit(style));
    }
    Section others{"Link label, flat panel", {}};
    others.shots.push_back(LinkLabel(false));
    others.shots.push_back(LinkLabel(true));
    others.shots.push_back(FlatPanel("flatpanel", "MP3 - MPEG Layer-3 Audio", true));
    others.shots.push_back(FlatPanel("flatpanel-empty", "", true));
    others.shots.push_back(FlatPanel("flatpanel-disabled", "MP3 - MPEG Layer-3 Audio", false));
    return {buttons, boxes, arrows, bars, edits, others};
}

}  // namespace kestrum::gallery
