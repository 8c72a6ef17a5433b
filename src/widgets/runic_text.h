#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "canvas/cp1250.h"

namespace kolvar {

// Runic bytes as a QString that the Runex23x face draws glyph for glyph: the
// face maps U+0000..U+00FF to its glyphs, so each byte is read as Latin-1.
inline QString RunicString(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A plain Hungarian text (Windows-1250 bytes) for Qt.
inline QString PlainString(std::string_view cp1250) { return QString::fromStdString(Cp1250ToUtf8(cp1250)); }

// The runic face at a character height in pixels. No glyphs are borrowed
// from other faces: a byte without a rune must not show a Latin letter.
inline QFont RunicFont(int pixelHeight) {
    QFont font(QStringLiteral("Runex23x"));
    font.setPixelSize(pixelHeight);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// The face that the system resolves "Arial" to, at a character height in pixels.
inline QFont ArialFont(int pixelHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace kolvar
