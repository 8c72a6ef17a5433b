#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "appcore/desktop_settings.h"
#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/sky_projection.h"
#include "chart/view_options.h"
#include "closeup/draw_close_up.h"
#include "closeup/sky_directions.h"
#include "sky/sky_scene.h"
#include "widgets/reticle.h"

class QMenu;

namespace kolvar {

class LabelImage;

// The close-up's Image1: shows the close-up bitmap one bitmap pixel per
// logical pixel (no copy) and passes presses and releases on in those pixels.
class PlainSkyImage : public QWidget {
public:
    explicit PlainSkyImage(QWidget* parent = nullptr);

    void ShowPicture(const Bitmap& picture);
    const QImage& Image() const { return image_; }
    // The telescope's reticle over the picture, or none.
    void ShowReticle(std::optional<ReticleMark> mark);
    const std::optional<ReticleMark>& Reticle() const { return reticle_.Mark(); }

    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseDown;
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseUp;
    std::function<void(Qt::MouseButtons buttons, int x, int y)> OnMouseMove;
    std::function<void(Qt::MouseButton button, int x, int y)> OnDoubleClick;
    std::function<void(int eighthsOfDegree)> OnWheel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage image_;
    ReticleOverlay reticle_;
};

// What the close-up draws from and names objects in: the scene the main
// window last drew and the geometry of that redraw. The main window owns
// them; the close-up, modal over it, only reads.
struct MainChart {
    const SkyScene& Scene;       // the scene the main chart last drew
    const ChartFrame& Geometry;  // and the frame it drew it in
    // The main window's layers and views, and how a click here keeps its
    // selection there; none, the plain close-up.
    const ViewOptions* View = nullptr;
    std::function<void(int slot)> Select;
    // The circles of the chosen equipment (degrees across), and the chosen
    // eyepiece's field when the window opens fitted to it; none, no circles.
    std::function<std::vector<double>()> Circles;
    std::function<std::optional<double>()> FitField;
    std::function<std::optional<double>()> EyepieceField;
    // The font of the main window's menus, for the close-up's own menu.
    std::function<QFont()> MenuFont;
};

// The close-up sky window, created hidden at start-up and shown modally by a
// right press on the main chart: a magnified view around one direction,
// drawn from the main chart's last redraw. A right press re-centres it.
// Zooming in (the wheel, Ctrl++ and Ctrl+-, Ctrl+0 back to its own scale)
// magnifies it down to a quarter of a degree across and adds the deep stars
// and NGC/IC objects; dragging with the left button pans, a double click
// re-centres on the point; the title then gives the field and the centre.
class TPlainSky : public QDialog {
    Q_OBJECT
public:
    explicit TPlainSky(MainChart main, QWidget* parent = nullptr);

    // The opening from the main window: takes the view centre and the
    // character size, draws, and runs the window modally; returns when it is
    // closed. `moonPicture` is the main window's Moon phase picture, which
    // must stay put while the window is open.
    void OpenAt(const HorizontalPosition& view, int characterSize, const Bitmap& moonPicture);

    // Puts the window where the settings kept it, when that fits a screen.
    void RestorePlacement(const WindowPlacement& placement);
    // Told where the window stood each time it closes.
    std::function<void(const WindowPlacement&)> OnClosed;
    // The main chart was drawn anew (the animation moved its instant): the
    // view is drawn again from the new table, around the same direction.
    void ChartRedrawn();
    // Keys the window does not use itself go here first (the time keys);
    // true when taken.
    std::function<bool(const QKeyEvent& event)> OnKey;
    // Ctrl+P: a finder chart of the view is asked for, around its J2000
    // centre (radians) and as wide as the window (degrees).
    std::function<void(double rightAscension, double declination, double fieldDegrees)> OnFinderChart;
    // The field menu's Adatlap item and Ctrl+I: the object window of the
    // object named last here, else of the one nearest the view's centre (a
    // double click here re-centres the view).
    std::function<void(int slot)> OnObjectWindow;
    void OpenObjectWindow();
    // The view's centre as a J2000 direction (radians).
    std::array<double, 2> CentreJ2000() const;

    // Event handlers, named after the events that run them.
    void FormResize();
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void Image1MouseUp(Qt::MouseButton button, int x, int y);

    const HorizontalPosition& CloseUpView() const { return closeUpView_; }
    // The projection of the last drawing, and a new centre drawn at once.
    const SkyProjection& Projection() const { return projection_; }
    void CentreOn(const HorizontalPosition& view);
    // Runs after every drawing (the telescope's reticle follows).
    std::function<void()> OnDrawn;
    // A right press at (x, y) goes here first; true when taken (then the
    // view is not centred there).
    std::function<bool(int x, int y)> OnRightPress;
    // Magnification over the close-up's own scale (1 draws it as specified).
    double Zoom() const { return zoom_; }
    // Multiplies the magnification, held from 1 to a quarter of a degree
    // across, and draws again.
    void ZoomBy(double factor);
    // Zooms so that a circle `fieldDegrees` across fills nine tenths of the
    // window's shorter side (within the zoom's range).
    void FitField(double fieldDegrees);
    // The field menu's commands: a field across the window in degrees (0:
    // the close-up's own scale), the faintest deep star (0: by the field).
    void ShowField(double fieldDegrees);
    void SetMagnitudeLimit(float magnitude);
    float MagnitudeLimit() const { return deep_.MagnitudeLimit; }
    // The field menu, opened by the menu key or Shift+F10.
    QMenu* FieldMenu() const { return fieldMenu_; }
    // The field menu's track item: the track of the comet or minor planet
    // drawn nearest the view's centre over the next 30 days, or none again.
    void ToggleBodyPath();
    int PathBody() const { return pathBody_; }
    void Image1MouseMove(Qt::MouseButtons buttons, int x, int y);
    void Image1DoubleClick(Qt::MouseButton button, int x, int y);
    int CharacterSize() const { return characterSize_; }
    PlainSkyImage* Image1() const { return image1_; }
    const Bitmap& Picture() const { return picture_; }
    LabelImage* TextImage1() const { return textImage1_; }
    LabelImage* TextImage2() const { return textImage2_; }
    // In the zoomed view: the deep star or NGC/IC object a press at (x, y)
    // names, when no object of the table is nearer; empty for none.
    std::string DeepNameAt(int x, int y) const;
    int RedrawCount() const { return redrawCount_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Naming in the close-up: a left or middle press names the object nearest
    // to (x, y) under the close-up projection with this window's two label
    // pictures, starting from characterSize_; a release of any button hides
    // them again.
    void NameObjectAt(int x, int y);
    void HideObjectNames(Qt::MouseButton button);
    void ShowTitle();
    void BuildFieldMenu();

    MainChart main_;
    QMenu* fieldMenu_ = nullptr;
    PlainSkyImage* image1_ = nullptr;
    LabelImage* textImage1_ = nullptr;  // fixed 209 x 105: a longer label is cut
    LabelImage* textImage2_ = nullptr;  // sized to its picture
    Bitmap picture_;
    HorizontalPosition closeUpView_;  // the view centre; Distance unused
    SkyProjection projection_;        // of the last drawing: the window's pixels to the sky until the next
    int characterSize_ = 12;
    const Bitmap* moonPicture_ = nullptr;
    std::optional<MilkyWayDirections> milkyWay_;  // of the main chart's redraw, turned once per opening
    int redrawCount_ = 0;
    double zoom_ = 1.0;
    CloseUpDeep deep_;              // the deep layers of the last zoomed drawing
    std::optional<QPoint> dragAt_;  // where the left button was last, while held
    bool dragging_ = false;
    bool zoomedTitle_ = false;  // the title names a zoomed field
    int pathBody_ = -1;         // the body whose track is drawn (index in the view's bodies), -1 none
    QAction* pathAction_ = nullptr;
};

}  // namespace kolvar
