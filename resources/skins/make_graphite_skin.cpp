// Draws the sample skin "Graphite" (dark graphite controls with amber
// accents) into a folder that kestrum-skinpack packs: the bitmaps as BMP
// files named by entry, and skin.txt with the colours, positions, switches
// and strings. Everything is computed, so the output is the same on every run.
//
//   make_graphite_skin OUTPUT_FOLDER

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
};

constexpr Rgb kMagenta{255, 0, 255};  // the transparent key of skinned controls
constexpr Rgb kEdge{27, 30, 34};
constexpr Rgb kHighlight{106, 112, 122};
constexpr Rgb kAmber{240, 160, 48};
constexpr Rgb kAmberDeep{192, 120, 24};

class Image {
public:
    Image(int width, int height)
        : width_(width), height_(height), pixels_(width * height, kMagenta) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb Get(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    void Set(int x, int y, Rgb c) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
        }
    }

    // 24-bit uncompressed BMP, rows bottom-up and padded to four bytes.
    bool Save(const std::string& path) const {
        const int row = (width_ * 3 + 3) / 4 * 4;
        const std::uint32_t dataSize = static_cast<std::uint32_t>(row * height_);
        std::string out;
        const auto put = [&out](std::uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i) {
                out += static_cast<char>((value >> (8 * i)) & 0xFF);
            }
        };
        out += "BM";
        put(54 + dataSize, 4);
        put(0, 4);
        put(54, 4);
        put(40, 4);
        put(static_cast<std::uint32_t>(width_), 4);
        put(static_cast<std::uint32_t>(height_), 4);
        put(1, 2);
        put(24, 2);
        put(0, 4);
        put(dataSize, 4);
        put(2835, 4);
        put(2835, 4);
        put(0, 4);
        put(0, 4);
        for (int y = height_ - 1; y >= 0; --y) {
            for (int x = 0; x < width_; ++x) {
                const Rgb c = pixels_[static_cast<std::size_t>(y * width_ + x)];
                out += static_cast<char>(c.b);
                out += static_cast<char>(c.g);
                out += static_cast<char>(c.r);
            }
            out.append(static_cast<std::size_t>(row - width_ * 3), '\0');
        }
        std::ofstream file(path, std::ios::binary);
        file << out;
        return static_cast<bool>(file);
    }

private:
    int width_, height_;
    std::vector<Rgb> pixels_;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}

// How a pixel of a rounded rectangle is covered: 0 outside, 1 on the border
// ring, 2 inside.
int RoundedCover(int x, int y, int w, int h, double radius) {
    const double px = x + 0.5, py = y + 0.5;
    const double cx = std::clamp(px, radius, w - radius);
    const double cy = std::clamp(py, radius, h - radius);
    const double d = std::hypot(px - cx, py - cy);
    if (d > radius) {
        return 0;
    }
    const bool onStraightEdge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
    return d > radius - 1.0 || onStraightEdge ? 1 : 2;
}

struct ButtonLook {
    Rgb top, bottom, border;
    bool lit;  // the one-pixel highlight under the top border
};

// One frame of the push button strip at column `left`.
void DrawButton(Image& strip, int left, int width, const ButtonLook& look) {
    const int h = strip.Height();
    for (int y = 0; y < h; ++y) {
        const Rgb fill = Mix(look.top, look.bottom, static_cast<double>(y) / (h - 1));
        for (int x = 0; x < width; ++x) {
            const int cover = RoundedCover(x, y, width, h, 4.0);
            if (cover == 1) {
                strip.Set(left + x, y, look.border);
            } else if (cover == 2) {
                strip.Set(left + x, y, look.lit && y == 1 ? Mix(fill, kHighlight, 0.6) : fill);
            }
        }
    }
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// A check mark over a box of `size` pixels whose top-left corner is (left, top).
// Smooth edges blend into what is drawn below; over the transparent key,
// where nothing may blend, the edges stay hard.
void DrawCheckMark(Image& image, int left, int top, int size, Rgb colour, bool smooth) {
    const double s = size / 13.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double d = std::min(SegmentDistance(px, py, 3.2 * s, 6.6 * s, 5.6 * s, 9.2 * s),
                                      SegmentDistance(px, py, 5.6 * s, 9.2 * s, 10.0 * s, 3.6 * s));
            const double cover = std::clamp(1.0 * s + 0.5 - d, 0.0, 1.0);
            if (smooth && cover > 0.0) {
                image.Set(left + x, top + y, Mix(image.Get(left + x, top + y), colour, cover));
            } else if (!smooth && d <= 0.95 * s) {
                image.Set(left + x, top + y, colour);
            }
        }
    }
}

struct BoxLook {
    Rgb top, bottom, border, mark;
    bool checked;
};

void DrawCheckBox(Image& strip, int left, const BoxLook& look) {
    const int size = strip.Height();
    for (int y = 0; y < size; ++y) {
        const Rgb fill = Mix(look.top, look.bottom, static_cast<double>(y) / (size - 1));
        for (int x = 0; x < size; ++x) {
            const bool border = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            strip.Set(left + x, y, border ? look.border : fill);
        }
    }
    if (look.checked) {
        DrawCheckMark(strip, left, 0, size, look.mark, true);
    }
}

// A progress bar piece: a track-coloured end cap, or a one-column middle.
// Row 1 is mixed with `lip`: a shadow on the track, a gleam on the fill.
Image ProgressPiece(int width, Rgb top, Rgb bottom, Rgb lip, int roundedSide) {
    constexpr int kHeight = 16;
    Image piece(width, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const Rgb fill = Mix(top, bottom, static_cast<double>(y) / (kHeight - 1));
        for (int x = 0; x < width; ++x) {
            const bool edgeRow = y == 0 || y == kHeight - 1;
            piece.Set(x, y, edgeRow ? kEdge : y == 1 ? Mix(fill, lip, 0.5) : fill);
        }
    }
    if (roundedSide != 0) {
        // Cap: a rounded end drawn as half of a rounded rectangle twice its width.
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < width; ++x) {
                const int mx = roundedSide < 0 ? x : x + width;
                const int cover = RoundedCover(mx, y, 2 * width, kHeight, 4.0);
                if (cover == 0) {
                    piece.Set(x, y, kMagenta);
                } else if (cover == 1) {
                    piece.Set(x, y, kEdge);
                }
            }
        }
    }
    return piece;
}

const char* const kValues =
    "# Graphite: dark graphite controls with amber accents.\n"
    "# Colours are $BBGGRR (blue, green, red), as the controls read them.\n"
    "NAME=Graphite\n"
    "AUTHOR=Kestrum\n"
    "DESCRIPTION=Dark graphite controls with amber accents\n"
    "SKIN2_TRANSCOLOR=$FF00FF\n"
    "SKIN2_TITLEFONTCOLOR=$F2F2F2\n"
    "SKIN2_FORMCOLOR=$3C3632\n"
    "SKIN2_MENUBARSTARTCOLOR=$463F3A\n"
    "SKIN2_MENUBARENDCOLOR=$322D2A\n"
    "SKIN2_TOPSELECTEDMENUCOLOR=$30A0F0\n"
    "SKIN2_TOPSELECTEDMENUBORDERCOLOR=$1878C0\n"
    "SKIN2_TOPSELECTEDMENUFONTCOLOR=$221E1B\n"
    "SKIN2_TOPMENUFONTCOLOR=$F2F2F2\n"
    "# The menus draw their black check mark on the side bar: keep it light.\n"
    "SKIN2_LEFTBARSTARTCOLOR=$DCD8D4\n"
    "SKIN2_LEFTBARENDCOLOR=$C0BAB4\n"
    "SKIN2_MENUITEMCOLOR=$EEF2F4\n"
    "SKIN2_MENUITEMFONTCOLOR=$221E1B\n"
    "SKIN2_SELECTEDMENUCOLOR=$6BC2F6\n"
    "SKIN2_SELECTEDMENUBORDERCOLOR=$1878C0\n"
    "SKIN2_SELECTEDMENUFONTCOLOR=$221E1B\n"
    "SKIN2_TOOLBARSTARTCOLOR=$574F4A\n"
    "SKIN2_TOOLBARENDCOLOR=$38322E\n"
    "SKIN2_TOOLBARONCOLOR=$6BC2F6\n"
    "SKIN2_TOOLBARBORDERCOLOR=$221E1B\n"
    "SKIN2_TOOLBARDOWNCOLOR=$1878C0\n"
    "# Shows through the magenta corners of the progress bar's ends.\n"
    "SKIN2_CONTROLCOLOR=$EFEFEF\n"
    "SKIN2_CONTROLBORDERCOLOR=$221E1B\n"
    "SKIN2_CONTROLFONTCOLOR=$221E1B\n"
    "SKIN2_BUTTONFONTCOLOR=$F2F2F2\n"
    "SKIN2_SCROLLBARCOLOR=$463F3A\n"
    "SKIN2_TABCONTROLCOLOR=$EEF2F4\n"
    "SKIN2_TABCONTROLBORDERCOLOR=$221E1B\n"
    "SKIN2_TABCONTROLACTIVEFONTCOLOR=$221E1B\n"
    "SKIN2_TABCONTROLINACTIVEFONTCOLOR=$7A706A\n"
    "SKIN2_SIDECHANNELCOLOR=$38322E\n"
    "SKIN2_SIDECHANNELBORDERCOLOR=$221E1B\n"
    "SKIN2_TITLEBARICONPOSX=6\n"
    "SKIN2_TITLEBARICONPOSY=5\n"
    "SKIN2_TITLEBARCAPTIONTOP=6\n"
    "SKIN2_TITLEBARBUTTONPOSX=-6\n"
    "SKIN2_TITLEBARBUTTONPOSY=5\n"
    "SKIN2_TITLEBARREGIONMINY=0\n"
    "SKIN2_TITLEBARREGIONMAXY=4\n"
    "SKIN2_BOTTOMREGIONMINY=0\n"
    "SKIN2_BOTTOMREGIONMAXY=2\n"
    "SKIN2_TITLEFIVESECT=false\n"
    "SKIN2_BOTTOMBORDERTHREESECT=false\n"
    "SKIN2_TITLEBARNEEDREGION=false\n"
    "SKIN2_BOTTOMBORDERNEEDREGION=false\n"
    "SKIN2_TITLEBTNTRANS=true\n"
    "SKIN2_BUTTONTRANS=true\n"
    "SKIN2_CHECKBOXTRANS=false\n"
    "SKIN2_RADIOBUTTONTRANS=false\n"
    "SKIN2_TABCONTROLTRANS=false\n";

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_graphite_skin OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;

    // Push button: normal, hot, pressed; 36 x 23 each.
    constexpr int kButtonWidth = 36;
    Image button(3 * kButtonWidth, 23);
    DrawButton(button, 0, kButtonWidth, {{84, 90, 99}, {46, 50, 56}, kEdge, true});
    DrawButton(button, kButtonWidth, kButtonWidth, {{100, 106, 115}, {58, 62, 69}, kAmber, true});
    DrawButton(button, 2 * kButtonWidth, kButtonWidth,
               {{34, 37, 42}, {62, 67, 74}, kAmberDeep, false});
    ok = button.Save(folder + "SKIN2_BUTTON.bmp") && ok;

    // Check box, 13 x 13 frames: checked, checked hot, unchecked, checked
    // disabled, unchecked hot, unchecked disabled.
    const Rgb boxTop{58, 62, 69}, boxBottom{40, 44, 50};
    const Rgb greyTop{176, 178, 182}, greyBottom{156, 158, 162}, greyEdge{128, 130, 134};
    const BoxLook boxes[] = {
        {boxTop, boxBottom, kEdge, kAmber, true},
        {boxTop, boxBottom, kAmber, kAmber, true},
        {boxTop, boxBottom, kEdge, kAmber, false},
        {greyTop, greyBottom, greyEdge, {226, 226, 226}, true},
        {boxTop, boxBottom, kAmber, kAmber, false},
        {greyTop, greyBottom, greyEdge, {226, 226, 226}, false},
    };
    Image checkBox(6 * 13, 13);
    for (int i = 0; i < 6; ++i) {
        DrawCheckBox(checkBox, 13 * i, boxes[i]);
    }
    ok = checkBox.Save(folder + "SKIN2_CHECKBOX.bmp") && ok;

    // Progress bar: left cap, filled middle, remaining track, right cap. The
    // track is light: the bar's caption is drawn over it in black.
    const Rgb trackTop{214, 217, 221}, trackBottom{236, 238, 240}, shadow{150, 155, 162};
    const Rgb gleam{255, 240, 210};
    ok = ProgressPiece(4, trackTop, trackBottom, shadow, -1)
             .Save(folder + "SKIN2_PROGRESSBAR1.bmp") &&
         ok;
    ok = ProgressPiece(1, {255, 200, 100}, {214, 128, 24}, gleam, 0)
             .Save(folder + "SKIN2_PROGRESSBAR2.bmp") &&
         ok;
    ok = ProgressPiece(1, trackTop, trackBottom, shadow, 0)
             .Save(folder + "SKIN2_PROGRESSBAR3.bmp") &&
         ok;
    ok = ProgressPiece(4, trackTop, trackBottom, shadow, 1)
             .Save(folder + "SKIN2_PROGRESSBAR4.bmp") &&
         ok;

    // Menu check mark on the transparent key.
    Image menuCheck(16, 16);
    DrawCheckMark(menuCheck, 1, 1, 14, kAmberDeep, false);
    ok = menuCheck.Save(folder + "SKIN2_CHECKEDMENUICON.bmp") && ok;

    std::ofstream values(folder + "skin.txt", std::ios::binary);
    values << kValues;
    ok = static_cast<bool>(values) && ok;
    if (!ok) {
        std::fprintf(stderr, "make_graphite_skin: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
