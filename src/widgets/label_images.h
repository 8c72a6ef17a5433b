#pragma once

#include <QImage>
#include <QWidget>
#include <string_view>

#include "astro/small_body_place.h"
#include "canvas/bitmap.h"
#include "identify/label_fit.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// One label picture over a window (TextImage1, TextImage2): a child widget
// that shows a canvas Bitmap at its top-left corner, one bitmap pixel per
// logical pixel and without a copy. With automatic sizing the widget takes
// the picture's size; otherwise it keeps its own size, the picture is cut at
// its right and bottom, and whatever lies beneath shows where the picture is
// smaller.
class LabelImage : public QWidget {
    Q_OBJECT
public:
    LabelImage(QWidget* parent, bool autoSize);

    bool AutoSize() const { return autoSize_; }
    // Takes the picture and places the widget with its top-left corner at (x, y),
    // sized to the picture when sizing automatically.
    void SetPicture(Bitmap picture, int x, int y);
    // Fills the whole picture with one colour (its size stays).
    void FillPicture(Colour colour);
    const Bitmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool autoSize_;
    Bitmap picture_;
    QImage image_;
};

// Composes and fits the labels of `selection` for a click in `owner` (the
// parent of both images, whose whole rectangle is the client area), places
// them over its top corners and shows them in front. The size of a left image
// without automatic sizing is the size the fit tests. The right label is in
// the current script; the night view shows both in its reds.
void ShowObjectLabels(const SkyObjectEntry& selection, LabelImage& textImage1, LabelImage& textImage2,
                      const QWidget& owner, int characterSize, LabelMargins margins, bool night = false);

// The same for a comet or minor planet at its place.
void ShowSmallBodyLabels(const SmallBody& body, const SmallBodyPlace& place, LabelImage& textImage1,
                         LabelImage& textImage2, const QWidget& owner, int characterSize,
                         LabelMargins margins, bool night);

// The same for an object outside the sky table, named by `name`
// (Windows-1250) in `colour` (FitNamedLabels).
void ShowNamedLabels(std::string_view name, Colour colour, LabelImage& textImage1, LabelImage& textImage2,
                     const QWidget& owner, int characterSize, LabelMargins margins, bool night = false);

// The same for a comet or minor planet at its place.
void ShowSmallBodyLabels(const SmallBody& body, const SmallBodyPlace& place, LabelImage& textImage1,
                         LabelImage& textImage2, const QWidget& owner, int characterSize,
                         LabelMargins margins, bool night);

// Hides both images and sends them to the back; their pictures stay.
void HideObjectLabels(LabelImage& textImage1, LabelImage& textImage2);

}  // namespace kolvar
