#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace kestrum::artwork {

// One generated picture: where it goes under resources/images, and how it is
// drawn. JPEG files are written at a fixed quality; everything else is PNG.
struct ArtworkFile {
    QString path;
    QImage (*draw)();
};

std::vector<ArtworkFile> AllArtwork();

// The file's bytes exactly as the generator writes them.
QByteArray EncodeArtwork(const ArtworkFile& file);

}  // namespace kestrum::artwork
