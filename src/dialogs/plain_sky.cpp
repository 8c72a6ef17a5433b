// The close-up window: outer size 439 x 300 at (223, 173) unless the settings
// keep another place.
#include "dialogs/plain_sky.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "canvas/canvas.h"
#include "chart/view_layers.h"
#include "closeup/draw_close_up.h"
#include "identify/hit_test.h"
#include "identify/label_pictures.h"
#include "texts/interface_captions.h"
#include "widgets/bitmap_image.h"
#include "widgets/label_images.h"
#include "widgets/runic_text.h"
#include "widgets/window_placement.h"

namespace kolvar {

PlainSkyImage::PlainSkyImage(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void PlainSkyImage::ShowPicture(const Bitmap& picture) {
    image_ = WrapBitmap(picture);
    update();
}

void PlainSkyImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(rect(), Qt::black);
    if (!image_.isNull()) painter.drawImage(QRect(QPoint(0, 0), image_.size()), image_);
}

void PlainSkyImage::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseDown) OnMouseDown(event->button(), p.x(), p.y());
}

void PlainSkyImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseUp) OnMouseUp(event->button(), p.x(), p.y());
}

TPlainSky::TPlainSky(MainChart main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("PlainSky"));
    setWindowTitle(PlainString(WindowTitles.CloseUp));
    setModal(true);
    image1_ = new PlainSkyImage(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAccessibleName(PlainString(PlainControlName("TPlainSky.Image1")));
    image1_->OnMouseDown = [this](Qt::MouseButton button, int x, int y) { Image1MouseDown(button, x, y); };
    image1_->OnMouseUp = [this](Qt::MouseButton button, int x, int y) { Image1MouseUp(button, x, y); };
    // The labels lie over the view's top corners, so they live in its coordinates.
    textImage1_ = new LabelImage(image1_, false);
    textImage1_->setObjectName(QStringLiteral("TextImage1"));
    textImage1_->setGeometry(0, 0, 209, 105);
    textImage2_ = new LabelImage(image1_, false);
    textImage2_->setObjectName(QStringLiteral("TextImage2"));
    textImage2_->setGeometry(248, 0, 177, 105);
    resize(DefaultCloseUpWidth, DefaultCloseUpHeight);  // outer size 439 x 300 less the frame
    move(223, 173);
}

void TPlainSky::OpenAt(const HorizontalPosition& view, int characterSize, const Bitmap& moonPicture) {
    closeUpView_ = view;
    characterSize_ = characterSize;
    moonPicture_ = &moonPicture;
    milkyWay_ = MilkyWayDirectionsAt(main_.Geometry, main_.Observer.JulianDay);
    FormResize();
    exec();
    if (OnClosed) OnClosed(PlacementOf(*this, *this));
}

void TPlainSky::RestorePlacement(const WindowPlacement& placement) {
    if (!FitsAScreen(placement)) return;
    resize(placement.Width, placement.Height);
    move(placement.Left, placement.Top);
}

void TPlainSky::ChartRedrawn() {
    milkyWay_ = MilkyWayDirectionsAt(main_.Geometry, main_.Observer.JulianDay);
    FormResize();
}

void TPlainSky::keyPressEvent(QKeyEvent* event) {
    if (OnKey && OnKey(*event)) return;
    QDialog::keyPressEvent(event);
}

void TPlainSky::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    image1_->setGeometry(rect());
    // Showing the window sends a resize of the size just drawn; only a real
    // change of size needs a new picture.
    if (picture_.Width() != width() || picture_.Height() != height()) FormResize();
}

void TPlainSky::FormResize() {
    static const Bitmap noMoonPicture;
    const int w = width(), h = height();
    picture_.Resize(w, h);
    Canvas canvas(picture_);
    // A drawing before the first opening turns the lists of the redraw at hand.
    if (!milkyWay_) milkyWay_ = MilkyWayDirectionsAt(main_.Geometry, main_.Observer.JulianDay);
    static const ViewOptions plain;
    const ViewOptions& view = main_.View != nullptr ? *main_.View : plain;
    const CloseUpSky sky{main_.Geometry, main_.Observer.JulianDay,
                         main_.Objects,  moonPicture_ ? *moonPicture_ : noMoonPicture,
                         *milkyWay_,     FaintestMarkerClassFor(view, main_.Objects[SunSlot].Altitude)};
    projection_ = DrawCloseUp(canvas, w, h, closeUpView_, sky);
    if (view.AddsAnything())
        DrawViewLayers(picture_, projection_,
                       ViewSky{main_.Geometry, main_.Observer.JulianDay, main_.Objects}, view);
    if (view.Night) MapToNightPalette(picture_);
    ++redrawCount_;
    image1_->ShowPicture(picture_);
    image1_->raise();
}

void TPlainSky::Image1MouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::RightButton) {
        closeUpView_ = projection_.Backward(x, y);
        FormResize();
        return;
    }
    NameObjectAt(x, y);
}

void TPlainSky::Image1MouseUp(Qt::MouseButton button, int, int) { HideObjectNames(button); }

void TPlainSky::NameObjectAt(int x, int y) {
    const int slot = NearestVisibleSlot(main_.Objects, projection_, x, y);
    // The kept selection rings the object here and on the main chart.
    if (main_.Select && (main_.View == nullptr || main_.View->SelectedSlot != slot)) {
        main_.Select(slot);
        FormResize();
    }
    // The margins are the main chart's, also in this window.
    ShowObjectLabels(main_.Objects[static_cast<std::size_t>(slot)], *textImage1_, *textImage2_, *image1_,
                     characterSize_, LabelMarginsOf(main_.Geometry.ChartWidth, main_.Geometry.ChartHeight),
                     main_.View != nullptr && main_.View->Night);
}

void TPlainSky::HideObjectNames(Qt::MouseButton button) {
    HideObjectLabels(*textImage1_, *textImage2_);
    if (button == Qt::LeftButton) textImage1_->FillPicture(Colour::FromColorRef(0x400000));
}

}  // namespace kolvar
