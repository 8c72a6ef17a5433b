#include "widgets/label_images.h"

#include <QPainter>

#include "chart/sky_phase.h"
#include "identify/small_body_label.h"
#include "widgets/bitmap_image.h"
#include "widgets/script_text.h"

namespace kolvar {

LabelImage::LabelImage(QWidget* parent, bool autoSize) : QWidget(parent), autoSize_(autoSize) {
    // The window under the label keeps the mouse.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void LabelImage::SetPicture(Bitmap picture, int x, int y) {
    picture_ = std::move(picture);
    image_ = WrapBitmap(picture_);
    if (autoSize_)
        setGeometry(x, y, picture_.Width(), picture_.Height());
    else
        move(x, y);
    update();
}

void LabelImage::FillPicture(Colour colour) {
    picture_.Fill(colour);
    update();
}

void LabelImage::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

namespace {

LabelArea AreaOf(const LabelImage& textImage1, const QWidget& owner, LabelMargins margins) {
    LabelArea area{Rect{0, 0, owner.width(), owner.height()}, margins, std::nullopt, CurrentScript()};
    if (!textImage1.AutoSize()) area.FixedLeftSize = TextSize{textImage1.width(), textImage1.height()};
    return area;
}

void ShowLabels(ObjectLabels labels, LabelImage& textImage1, LabelImage& textImage2, bool night) {
    if (night) {
        MapToNightPalette(labels.Left);
        MapToNightPalette(labels.Right);
    }
    // The right image is sized to its picture in every window.
    textImage2.resize(labels.Right.Width(), labels.Right.Height());
    textImage1.SetPicture(std::move(labels.Left), labels.LeftX, labels.LeftY);
    textImage2.SetPicture(std::move(labels.Right), labels.RightX, labels.RightY);
    for (LabelImage* image : {&textImage1, &textImage2}) {
        image->show();
        image->raise();
    }
}

}  // namespace

void ShowObjectLabels(const SkyObjectEntry& selection, LabelImage& textImage1, LabelImage& textImage2,
                      const QWidget& owner, int characterSize, LabelMargins margins, bool night) {
    ShowLabels(FitObjectLabels(selection, characterSize, AreaOf(textImage1, owner, margins)), textImage1,
               textImage2, night);
}

void ShowSmallBodyLabels(const SmallBody& body, const SmallBodyPlace& place, LabelImage& textImage1,
                         LabelImage& textImage2, const QWidget& owner, int characterSize,
                         LabelMargins margins, bool night) {
    ShowLabels(FitSmallBodyLabels(body, place, characterSize, AreaOf(textImage1, owner, margins)), textImage1,
               textImage2, night);
}

void ShowNamedLabels(std::string_view name, Colour colour, LabelImage& textImage1, LabelImage& textImage2,
                     const QWidget& owner, int characterSize, LabelMargins margins, bool night) {
    ShowLabels(FitNamedLabels(name, colour, characterSize, AreaOf(textImage1, owner, margins)), textImage1,
               textImage2, night);
}

void HideObjectLabels(LabelImage& textImage1, LabelImage& textImage2) {
    for (LabelImage* image : {&textImage1, &textImage2}) {
        image->hide();
        image->lower();
    }
}

}  // namespace kolvar
