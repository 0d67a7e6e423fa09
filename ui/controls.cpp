// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "design_faces.h"
#include "print_area.h"
#include "qt_versions.h"
#include "text_box_accessible.h"

#include <QApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTranslator>

namespace radixon {

namespace {

// The "more items" chevron of a menu bar too narrow for its items, drawn when
// it is first needed. Fusion's own chevron is an image file, and reading it
// would load every image format plugin while the main window is being built.
class ChevronIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QPalette palette = QApplication::palette();
        painter->setPen(
            QPen(palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText),
                 qMax(1.0, rect.width() / 12.0)));
        const QRectF box =
            QRectF(rect).adjusted(rect.width() * 0.25, rect.height() * 0.3, -rect.width() * 0.25, -rect.height() * 0.3);
        for (const qreal left : {box.left(), box.center().x()}) {
            const qreal right = left + box.width() / 2;
            painter->drawPolyline(
                QPolygonF({QPointF(left, box.top()), QPointF(right, box.center().y()), QPointF(left, box.bottom())}));
        }
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new ChevronIconEngine; }
};

// An icon read from its file only when it is first drawn: a desktop draws the
// program's icon for its taskbar, while the offscreen platform never draws
// it, and reading it means loading the SVG plugins.
class IconFromFileWhenDrawn final : public QIconEngine {
public:
    explicit IconFromFileWhenDrawn(QString file) : file_(std::move(file)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) RADIXON_QT5_CONST override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new IconFromFileWhenDrawn(file_); }

private:
    const QIcon& icon() const
    {
        if (icon_.isNull())
            icon_ = QIcon(file_);
        return icon_;
    }

    QString file_;
    mutable QIcon icon_;
};

class TutorStyle final : public QProxyStyle {
public:
    TutorStyle() : QProxyStyle(QStringLiteral("Windows")) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return QIcon(new ChevronIconEngine);
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

// Qt's own texts (the dialogs' buttons, a text box's context menu) in Russian.
void installQtTranslation(QApplication& app)
{
    auto* translator = new QTranslator(&app);
#ifdef RADIXON_CARRIES_FILES
    // The Windows program and the web page carry them: they have no Qt
    // installed beside them.
    const QString folder = QStringLiteral(":/i18n");
#else
    const QString folder = qt::translationsFolder();
#endif
    if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                         folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void setColours(QWidget* widget, QPalette::ColorRole backRole, QColor back, QPalette::ColorRole foreRole, QColor fore)
{
    QPalette palette = widget->palette();
    if (back.isValid())
        palette.setColor(backRole, back);
    if (fore.isValid())
        palette.setColor(foreRole, fore);
    widget->setPalette(palette);
}

// Every control gets its font before its text: a text laid out in the
// inherited font first would load that font for nothing.
QPushButton* designedButton(QPushButton* button, const QString& name, const QString& caption, QColor face,
                            const QFont& font)
{
    button->setObjectName(name);
    button->setFont(font);
    button->setText(caption);
    button->setAutoDefault(false);
    setColours(button, QPalette::Button, face, QPalette::ButtonText, QColor());
    return button;
}

// Pupils used to other programs press Return (or the keypad's Enter) on a
// focused button as often as Space; a button outside a dialog would ignore it.
class Button : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
            event->accept();
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// The caption drawn word-wrapped inside the button's contents.
class WrappingButton final : public Button {
public:
    using Button::Button;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(contents, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

}  // namespace

void setupApplication(QApplication& app)
{
    installDesignFaces();
    // The menu bar stays inside the main window (the instruction page sends the
    // pupil to it), so the desktop's global menu is not even looked for.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // Menus, tool tips and dialogs in the design's sans face: one face less
    // to load at start than the desktop's own.
    QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 9, false, false));
    app.setStyle(new TutorStyle);
    installQtTranslation(app);
    installTextBoxAccessibility();
    // No display name: X11 and Wayland would append it to every title.
    app.setApplicationName(QStringLiteral("radixon"));
    // Lets a Wayland desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.radixon.Radixon"));
    // Every window and dialog, and the taskbar and Alt+Tab with them.
    QApplication::setWindowIcon(programIcon());
}

QIcon programIcon()
{
#ifdef RADIXON_CARRIES_FILES
    // The Windows program and the web page have no SVG engine: they carry the
    // icon drawn at the sizes of the Windows .ico file.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/radixon-%1.png").arg(size), QSize(size, size));
    return icon;
#else
    // The icon the package installs into the hicolor icon theme, the theme
    // every desktop falls back to; the same picture is built into the program
    // for a run where it is not installed. The icon is looked up where the
    // package puts it rather than through QIcon::fromTheme: walking the
    // desktop's themes for it took a third of the start on X11.
    const QString installed =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               QStringLiteral("icons/hicolor/scalable/apps/io.github.radixon.Radixon.svg"));
    return QIcon(new IconFromFileWhenDrawn(installed.isEmpty() ? QStringLiteral(":/icons/io.github.radixon.Radixon.svg")
                                                               : installed));
#endif
}

QFont designFont(const QString& face, double points, bool bold, bool italic)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    // Our captions are drawn as Windows draws them: every letter is in the
    // Liberation faces (no fallback fonts looked up), no kerning (no shaping),
    // and the faces' own hinting. Each of these is also work saved at start.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping | designFaceStrategy()));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QColor face, const QFont& font)
{
    return designedButton(new Button(parent), name, caption, face, font);
}

QPushButton* makeWrappingButton(QWidget* parent, const QString& name, const QString& caption, QColor face,
                                const QFont& font)
{
    return designedButton(new WrappingButton(parent), name, caption, face, font);
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, QColor back, QColor fore,
                       const QFont& font)
{
    // Made without a parent, the box lays out its empty text in the
    // application's font, which the menus load anyway, not in its parent's.
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setFont(font);
    box->setParent(parent);
    box->setText(text);
    // A pupil may type letters no Liberation face has: from the first edit on,
    // the box falls back to other fonts for them.
    QObject::connect(box, &QLineEdit::textEdited, box, [box] {
        QFont merging = box->font();
        if (merging.styleStrategy() & QFont::NoFontMerging) {
            merging.setStyleStrategy(designFaceStrategy());
            box->setFont(merging);
        }
    });
    box->setCursorPosition(0);
    setColours(box, QPalette::Base, back, QPalette::Text, fore);
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QColor back, QColor fore,
                  const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setAutoFillBackground(true);
    setColours(label, QPalette::Window, back, QPalette::WindowText, fore);
    return label;
}

PrintArea* makePrintArea(QWidget* parent, const QString& name, QColor back, QColor fore, const QFont& font)
{
    auto* area = new PrintArea(parent);
    area->setObjectName(name);
    area->setFont(font);
    setColours(area, QPalette::Window, back, QPalette::WindowText, fore);
    return area;
}

}  // namespace radixon
