// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on the screen this run is given (a configured offscreen
// screen, named in its configuration): shown with all of its frame on the
// screen's available area, drawn exactly as designed where the design fits,
// and drawn smaller by one factor where it does not.
#include "controls.h"
#include "design_checks.h"
#include "print_area.h"
#include "program_fixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>

#include <iostream>

namespace radixon::testing {
namespace {

// The configured screen's name, or what a real screen is ("DISPLAY1-1366x768-150").
QString screenName()
{
    const QScreen& screen = *QGuiApplication::primaryScreen();
    QString name = screen.name().remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9-]")));
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        name += QStringLiteral("-%1x%2-%3")
                    .arg(qRound(screen.geometry().width() * screen.devicePixelRatio()))
                    .arg(qRound(screen.geometry().height() * screen.devicePixelRatio()))
                    .arg(qRound(screen.devicePixelRatio() * 100));
    return name;
}

// Where the print's ink begins and ends across a print area, as shares of
// its width.
struct InkSpan {
    double left;
    double right;
};

InkSpan inkSpan(PrintArea& area)
{
    const QImage image = area.grab().toImage();
    const QRgb back = area.palette().color(QPalette::Window).rgb();
    int left = image.width();
    int right = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != back) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
            }
        }
    }
    return {static_cast<double>(left) / image.width(), static_cast<double>(right) / image.width()};
}

// The page as the window's design prints it: in a print area of the design's
// size and lettering, at factor 1.
InkSpan designedInkSpan(const Form& window, PrintArea& area)
{
    const auto row = std::find_if(window.design().controls.cbegin(), window.design().controls.cend(),
                                  [](const ControlDesign& control) { return control.name == std::string("Picture1"); });
    const Lettering& lettering = row->lettering;
    PrintArea designed;
    designed.setFont(designFont(QString::fromUtf8(lettering.face), lettering.points, lettering.bold, lettering.italic));
    designed.setPalette(area.palette());
    designed.resize(qRound(row->twips.width() * window.logicalDpiX() / 1440.0),
                    qRound(row->twips.height() * window.logicalDpiY() / 1440.0));
    designed.setPage(area.model());
    return inkSpan(designed);
}

// The largest frame a window manager is expected to add: a title bar and
// borders. Before a window of ours is shown, its frame is not known.
constexpr int FrameAllowance = 40;

class FitOnTheScreen : public ProgramFixture, public ::testing::WithParamInterface<FormId> {
protected:
    void show(FormId id)
    {
        if (id != FormId::Form1)
            openFromMainWindow(id, QStringLiteral("Иванов"));
        QApplication::processEvents();
    }
};

TEST_P(FitOnTheScreen, ShowsTheWholeWindowAsDesignedOrSmallerByOneFactor)
{
    const FormId id = GetParam();
    show(id);
    Form& window = form(id);
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << "the frame " << frame.x() << "," << frame.y() << " " << frame.width()
                                           << "x" << frame.height() << " sticks out";

    const double factor = window.scale();
    const auto atDesign = [&window, factor](int twips) { return twips * window.logicalDpiX() / 1440.0; };
    const QSize client = window.design().clientTwips;
    const int menu = id == FormId::Form1 ? window.findChild<QMenuBar*>()->height() : 0;
    const double designWidth = atDesign(client.width());
    const double designHeight = atDesign(client.height()) + menu;
    if (factor < 1.0) {
        EXPECT_TRUE(designWidth + FrameAllowance > available.width() ||
                    designHeight + FrameAllowance > available.height())
            << "drawn smaller though its design fits";
        // No smaller than it must be: it fills the screen's width or height,
        // but for a frame it could not know.
        EXPECT_TRUE(available.width() - frame.width() < FrameAllowance ||
                    available.height() - frame.height() < FrameAllowance);
        // Captions of 24 points stay above 14 points.
        EXPECT_GE(factor, 0.6);
    }
    expectBuiltFromDesign(window);

    // The result page with its two longest lines: the points and the lowest
    // verdict.
    if (id == FormId::Form4) {
        m().StudentName = QStringLiteral("Иванов");
        m().TaskTotal = 6;
        m().CorrectCount = 3;
        click(FormId::Form4, "Command2");
    }
    if (id == FormId::Form2) {
        textBox(FormId::Form2, "Text2")->setText(QStringLiteral("2"));
        nextNumber(219, 190, 30);
        click(FormId::Form2, "Ввод_числа");
        click(FormId::Form2, "Показать_решение");
    }
    // Drawn smaller, the page keeps its proportions to the print area, its
    // margin of leading blanks included, and so stays inside it.
    if (id == FormId::Form2 || id == FormId::Form4) {
        auto& area = *window.findChild<PrintArea*>(QStringLiteral("Picture1"));
        const InkSpan drawn = inkSpan(area);
        const InkSpan designed = designedInkSpan(window, area);
        EXPECT_NEAR(drawn.left, designed.left, 0.02);
        EXPECT_NEAR(drawn.right, designed.right, 0.02);
    }
    const QString picture = QStringLiteral("fit-%1-%2.png").arg(screenName(), window.objectName().toLower());
    saveGrab(id, picture);
    std::cout << screenName().toStdString() << ": " << window.objectName().toStdString() << " " << window.width() << "x"
              << window.height() << " at factor " << factor << " on " << available.width() << "x" << available.height()
              << " (device pixel ratio " << window.devicePixelRatioF() << "), " << picture.toStdString() << "\n";
}

TEST_P(FitOnTheScreen, StaysOnTheScreenWhenShownAgain)
{
    const FormId id = GetParam();
    show(id);
    Form& window = form(id);
    const QRect available = window.screen()->availableGeometry();
    // Dragged half off the screen, then left and opened again.
    window.move(available.right() - window.width() / 2, available.bottom() - window.height() / 2);
    if (id == FormId::Form1) {
        click(FormId::Form1, "PEREVOD_V10");
        click(FormId::Form3, "Назад");
    } else {
        click(id, id == FormId::Form3 ? "Назад" : "Выход");
        show(id);
    }
    QApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(available.contains(window.frameGeometry()));
}

INSTANTIATE_TEST_SUITE_P(, FitOnTheScreen, EveryWindow, windowName);

}  // namespace
}  // namespace radixon::testing
