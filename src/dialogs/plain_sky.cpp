// The close-up window: outer size 439 x 300 at (223, 173) unless the settings
// keep another place.
#include "dialogs/plain_sky.h"

#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "appcore/deep_star_catalogue.h"
#include "canvas/canvas.h"
#include "chart/small_body_layer.h"
#include "chart/view_layers.h"
#include "closeup/draw_close_up.h"
#include "closeup/field_circles.h"
#include "identify/hit_test.h"
#include "identify/label_pictures.h"
#include "identify/small_body_label.h"
#include "print/finished_chart.h"
#include "print/smooth_chart.h"
#include "texts/close_up_captions.h"
#include "texts/interface_captions.h"
#include "texts/object_captions.h"
#include "texts/small_body_texts.h"
#include "widgets/bitmap_image.h"
#include "widgets/label_images.h"
#include "widgets/menu_key_style.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"
#include "widgets/window_placement.h"

namespace kolvar {
namespace {

// The smallest close-up a stored placement gives: the main chart's design size.
constexpr QSize SmallestCloseUp(312, 186);

}  // namespace

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
    reticle_.Paint(painter);
}

void PlainSkyImage::ShowReticle(std::optional<ReticleMark> mark) {
    if (const QRect dirty = reticle_.Set(mark); !dirty.isEmpty()) update(dirty);
}

void PlainSkyImage::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseDown) OnMouseDown(event->button(), p.x(), p.y());
}

void PlainSkyImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseUp) OnMouseUp(event->button(), p.x(), p.y());
}

void PlainSkyImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseMove) OnMouseMove(event->buttons(), p.x(), p.y());
}

void PlainSkyImage::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnDoubleClick) OnDoubleClick(event->button(), p.x(), p.y());
}

void PlainSkyImage::wheelEvent(QWheelEvent* event) {
    if (OnWheel) OnWheel(event->angleDelta().y());
    event->accept();
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
    image1_->OnMouseMove = [this](Qt::MouseButtons buttons, int x, int y) { Image1MouseMove(buttons, x, y); };
    image1_->OnDoubleClick = [this](Qt::MouseButton button, int x, int y) {
        Image1DoubleClick(button, x, y);
    };
    // One notch of the wheel (120 eighths of a degree) zooms by a quarter.
    image1_->OnWheel = [this](int eighths) { ZoomBy(std::pow(1.25, eighths / 120.0)); };
    // The labels lie over the view's top corners, so they live in its coordinates.
    textImage1_ = new LabelImage(image1_, false);
    textImage1_->setObjectName(QStringLiteral("TextImage1"));
    textImage1_->setGeometry(0, 0, 209, 105);
    textImage2_ = new LabelImage(image1_, false);
    textImage2_->setObjectName(QStringLiteral("TextImage2"));
    textImage2_->setGeometry(248, 0, 177, 105);
    resize(DefaultCloseUpWidth, DefaultCloseUpHeight);  // outer size 439 x 300 less the frame
    move(223, 173);
    BuildFieldMenu();
}

void TPlainSky::BuildFieldMenu() {
    fieldMenu_ = new QMenu(this);
    fieldMenu_->setObjectName(QStringLiteral("FieldMenu"));
    const CloseUpMenuTexts& t = CloseUpMenuCaptions();
    for (std::size_t i = 0; i < CloseUpMenuFields.size(); ++i) {
        QAction* a = fieldMenu_->addAction(QString());
        ShowCaption(a, t.Fields[i].Text());
        connect(a, &QAction::triggered, this, [this, field = CloseUpMenuFields[i]] { ShowField(field); });
    }
    fieldMenu_->addSeparator();
    auto* limits = new QActionGroup(fieldMenu_);
    for (std::size_t i = 0; i < CloseUpMenuLimits.size(); ++i) {
        QAction* a = fieldMenu_->addAction(QString());
        ShowCaption(a, t.Limits[i].Text());
        a->setCheckable(true);
        a->setChecked(i == 0);
        limits->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, limit = CloseUpMenuLimits[i]] { SetMagnitudeLimit(limit); });
    }
    fieldMenu_->addSeparator();
    pathAction_ = fieldMenu_->addAction(QString());
    pathAction_->setObjectName(QStringLiteral("SmallBodyPath1"));
    pathAction_->setCheckable(true);
    ShowCaption(pathAction_, SmallBodyCaptions().Path.Text());
    connect(pathAction_, &QAction::triggered, this, &TPlainSky::ToggleBodyPath);
    // Last, after the fields and the limits.
    fieldMenu_->addSeparator();
    QAction* object = fieldMenu_->addAction(QString());
    ShowCaption(object, ObjectCaptions().MenuItem.Text(), "Ctrl+I");
    connect(object, &QAction::triggered, this, &TPlainSky::OpenObjectWindow);
}

void TPlainSky::ToggleBodyPath() {
    const ViewOptions* view = main_.View;
    if (pathBody_ >= 0 || view == nullptr || !view->ShowsSmallBodies()) {
        pathBody_ = -1;
    } else {
        const std::vector<PlacedSmallBody> placed =
            PlaceSmallBodies(main_.Geometry, main_.Scene.JulianDay, *view->Bodies, view->SmallBodyMagnitude);
        const double reach = std::hypot(width(), height());
        if (const PlacedSmallBody* b =
                NearestSmallBody(placed, projection_, width() / 2, height() / 2, reach))
            pathBody_ = static_cast<int>(b->Body);
    }
    pathAction_->setChecked(pathBody_ >= 0);
    FormResize();
}

void TPlainSky::ShowField(double fieldDegrees) {
    const double zoom =
        fieldDegrees > 0.0 ? CloseUpZoomFor(fieldDegrees, std::max(1, width()), std::max(1, height())) : 1.0;
    ZoomBy(zoom / zoom_);
}

void TPlainSky::SetMagnitudeLimit(float magnitude) {
    if (deep_.MagnitudeLimit == magnitude) return;
    deep_.MagnitudeLimit = magnitude;
    if (zoom_ > 1.0) FormResize();
}

void TPlainSky::OpenAt(const HorizontalPosition& view, int characterSize, const Bitmap& moonPicture) {
    closeUpView_ = view;
    characterSize_ = characterSize;
    moonPicture_ = &moonPicture;
    milkyWay_ = MilkyWayDirectionsAt(main_.Geometry, main_.Scene.JulianDay);
    if (main_.FitField)
        if (const std::optional<double> field = main_.FitField()) FitField(*field);
    FormResize();
    exec();
    if (OnClosed) OnClosed(PlacementOf(*this, *this));
}

void TPlainSky::RestorePlacement(const WindowPlacement& placement) {
    // A usable close-up, no smaller than the main chart's design size.
    const QRect kept = KeptOnScreen(placement, SmallestCloseUp);
    if (kept.isEmpty()) return;
    resize(kept.size());
    move(kept.topLeft());
}

void TPlainSky::ChartRedrawn() {
    milkyWay_ = MilkyWayDirectionsAt(main_.Geometry, main_.Scene.JulianDay);
    FormResize();
}

void TPlainSky::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                ZoomBy(std::sqrt(2.0));
                return;
            case Qt::Key_Minus:
                ZoomBy(1.0 / std::sqrt(2.0));
                return;
            case Qt::Key_0:
                ZoomBy(1.0 / zoom_);
                return;
            case Qt::Key_P:
                if (OnFinderChart) {
                    const std::array<double, 2> centre = CentreJ2000();
                    OnFinderChart(centre[0], centre[1], CloseUpFieldDegrees(width(), height(), zoom_));
                }
                return;
            case Qt::Key_I:
                OpenObjectWindow();
                return;
            case Qt::Key_E:
                if (main_.EyepieceField)
                    if (const std::optional<double> field = main_.EyepieceField()) FitField(*field);
                return;
            default:
                break;
        }
    }
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        if (main_.MenuFont) UseMenuKeyStyle(*fieldMenu_, main_.MenuFont());
        fieldMenu_->popup(mapToGlobal(rect().center()));
        return;
    }
    if (OnKey && OnKey(*event)) return;
    QDialog::keyPressEvent(event);
}

void TPlainSky::ZoomBy(double factor) {
    const double deepest = CloseUpZoomFor(0.25, std::max(1, width()), std::max(1, height()));
    const double zoom = std::clamp(zoom_ * factor, 1.0, std::max(1.0, deepest));
    if (zoom == zoom_) return;
    zoom_ = zoom;
    FormResize();
}

std::array<double, 2> TPlainSky::CentreJ2000() const {
    static const Bitmap noMoonPicture;
    if (!milkyWay_) return {0.0, 0.0};
    const CloseUpSky sky{main_.Geometry, main_.Scene.JulianDay, main_.Scene.Objects, noMoonPicture,
                         *milkyWay_};
    CloseUpFrame frame = ComputeCloseUpFrame(closeUpView_);
    frame.Zoom = zoom_;
    const int w = std::max(1, width()), h = std::max(1, height());
    return CloseUpDeepProjection(frame, sky, w, h).Unproject(0.5 * w, 0.5 * h);
}

void TPlainSky::FitField(double fieldDegrees) {
    const int w = std::max(1, width()), h = std::max(1, height());
    const double radius = 0.45 * std::min(w, h);
    ZoomBy(radius / FieldCirclePixels(fieldDegrees, w, h, 1.0) / zoom_);
}

void TPlainSky::ShowTitle() {
    // At its own scale the window keeps the title it was given.
    if (zoom_ <= 1.0 && !zoomedTitle_) return;
    zoomedTitle_ = zoom_ > 1.0;
    QString title = PlainString(WindowTitles.CloseUp);
    if (zoom_ > 1.0) {
        const double az = closeUpView_.Azimuth * 180.0 / 3.141592653589793;
        title += QStringLiteral(" \u2013 %1\u00B0, az %2\u00B0 alt %3\u00B0")
                     .arg(CloseUpFieldDegrees(width(), height(), zoom_), 0, 'f', 2)
                     .arg(az < 0.0 ? az + 360.0 : az, 0, 'f', 1)
                     .arg(closeUpView_.Altitude * 180.0 / 3.141592653589793, 0, 'f', 1);
    }
    setWindowTitle(title);
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
    // A drawing before the first opening turns the lists of the redraw at hand.
    if (!milkyWay_) milkyWay_ = MilkyWayDirectionsAt(main_.Geometry, main_.Scene.JulianDay);
    ViewOptions view = main_.View != nullptr ? *main_.View : ViewOptions{};
    // The track asked for here, while the main window still has its body.
    if (pathBody_ >= 0 && !(view.Bodies && static_cast<std::size_t>(pathBody_) < view.Bodies->size()))
        pathBody_ = -1;
    view.PathBody = pathBody_;
    const CloseUpSky sky{
        main_.Geometry,      main_.Scene.JulianDay,
        main_.Scene.Objects, moonPicture_ ? *moonPicture_ : noMoonPicture,
        *milkyWay_,          FaintestMarkerClassFor(view, main_.Scene.Objects[SunSlot].Altitude)};
    deep_.Zoom = zoom_;
    deep_.Stars = zoom_ > 1.0 ? &ProgramDeepStars() : nullptr;
    const std::vector<double> circles = main_.Circles ? main_.Circles() : std::vector<double>{};
    projection_ = DrawFinishedCloseUp(picture_, w, h, closeUpView_, sky, &deep_, view, zoom_, circles);
    ShowTitle();
    ++redrawCount_;
    image1_->ShowPicture(picture_);
    image1_->raise();
    if (OnDrawn) OnDrawn();
}

void TPlainSky::CentreOn(const HorizontalPosition& view) {
    closeUpView_ = view;
    FormResize();
}

void TPlainSky::Image1MouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::RightButton) {
        if (OnRightPress && OnRightPress(x, y)) return;
        closeUpView_ = projection_.Backward(x, y);
        FormResize();
        return;
    }
    if (button == Qt::LeftButton) dragAt_ = QPoint(x, y);
    NameObjectAt(x, y);
}

void TPlainSky::Image1MouseUp(Qt::MouseButton button, int, int) {
    if (button == Qt::LeftButton) {
        dragAt_.reset();
        dragging_ = false;
    }
    HideObjectNames(button);
}

void TPlainSky::Image1MouseMove(Qt::MouseButtons buttons, int x, int y) {
    if (!(buttons & Qt::LeftButton) || !dragAt_) return;
    const QPoint moved = QPoint(x, y) - *dragAt_;
    // A press that stays put names; one that moves pans the view with it.
    if (!dragging_ && moved.manhattanLength() < 4) return;
    if (!dragging_) {
        dragging_ = true;
        HideObjectLabels(*textImage1_, *textImage2_);
    }
    closeUpView_ = projection_.Backward(0.5 * width() - moved.x(), 0.5 * height() - moved.y());
    dragAt_ = QPoint(x, y);
    FormResize();
}

void TPlainSky::Image1DoubleClick(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) return;
    closeUpView_ = projection_.Backward(x, y);
    FormResize();
}

void TPlainSky::OpenObjectWindow() {
    if (!OnObjectWindow) return;
    const int named = main_.View != nullptr ? main_.View->SelectedSlot : -1;
    OnObjectWindow(
        named >= 0 ? named : NearestVisibleSlot(main_.Scene.Objects, projection_, width() / 2, height() / 2));
}

std::string TPlainSky::DeepNameAt(int x, int y) const {
    if (zoom_ <= 1.0) return {};
    // A marker of the table under the pointer keeps its own name.
    const int slot = NearestVisibleSlot(main_.Scene.Objects, projection_, x, y);
    if (slot >= 0) {
        const SkyObjectEntry& e = main_.Scene.Objects[static_cast<std::size_t>(slot)];
        const ChartPoint p = projection_.Project(e.Azimuth, e.Altitude);
        if (std::hypot(static_cast<double>(p.X) - x, static_cast<double>(p.Y) - y) <= 4.0) return {};
    }
    const int star = DeepStarAt(deep_.Projection, deep_.Field, x, y, 4.0);
    if (star >= 0) return DeepStarLabel(deep_.Field.Stars[static_cast<std::size_t>(star)]);
    const int object = DeepObjectAt(deep_.Drawn, x, y, 6.0);
    return object >= 0 ? DeepObjectLabel(object) : std::string();
}

void TPlainSky::NameObjectAt(int x, int y) {
    // A deep star or object under the pointer is named in the labels, as the
    // table's objects are.
    if (const std::string deep = DeepNameAt(x, y); !deep.empty()) {
        ShowNamedLabels(deep, colours::White, *textImage1_, *textImage2_, *image1_, characterSize_,
                        LabelMarginsOf(main_.Geometry.ChartWidth, main_.Geometry.ChartHeight),
                        main_.View != nullptr && main_.View->Night);
        return;
    }
    const int slot = NearestVisibleSlot(main_.Scene.Objects, projection_, x, y);
    if (main_.View != nullptr) {
        const SkyObjectEntry& nearest = main_.Scene.Objects[static_cast<std::size_t>(slot)];
        const SmallBodyHit body = SmallBodyAt(*main_.View, main_.Geometry, projection_, main_.Scene.JulianDay,
                                              x, y, projection_.Project(nearest.Azimuth, nearest.Altitude));
        if (body.Body != nullptr) {
            ShowSmallBodyLabels(
                *body.Body, body.Placed.Place, *textImage1_, *textImage2_, *image1_, characterSize_,
                LabelMarginsOf(main_.Geometry.ChartWidth, main_.Geometry.ChartHeight), main_.View->Night);
            return;
        }
    }
    // The kept selection rings the object here and on the main chart.
    if (main_.Select && (main_.View == nullptr || main_.View->SelectedSlot != slot)) {
        main_.Select(slot);
        FormResize();
    }
    // The margins are the main chart's, also in this window.
    ShowObjectLabels(main_.Scene.Objects[static_cast<std::size_t>(slot)], *textImage1_, *textImage2_,
                     *image1_, characterSize_,
                     LabelMarginsOf(main_.Geometry.ChartWidth, main_.Geometry.ChartHeight),
                     main_.View != nullptr && main_.View->Night);
}

void TPlainSky::HideObjectNames(Qt::MouseButton button) {
    HideObjectLabels(*textImage1_, *textImage2_);
    if (button == Qt::LeftButton) textImage1_->FillPicture(Colour::FromColorRef(0x400000));
}

}  // namespace kolvar
