#include "ui/about/frm_about.hpp"

#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "app/app_info.hpp"
#include "resources/app_icon.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/twips.hpp"

namespace vovodi {

namespace {

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

QFont dialogFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setItalic(true);
    font.setWeight(QFont::Normal);
    return font;
}

QFont buttonFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

// The etched separators inside Frame1, in twips relative to the frame: a dark
// 1 px line with a light 2 px line just under it, drawn downward from its y.
struct EtchedLine {
    int index;
    int x1, y1, x2, y2;
    bool light;
};
constexpr std::array<EtchedLine, 8> Line1{{
    {0, 0, 480, 3840, 480, false},
    {1, 45, 495, 3815, 495, true},
    {2, 0, 840, 3840, 840, false},
    {3, 45, 855, 3815, 855, true},
    {4, 0, 1200, 3840, 1200, false},
    {5, 45, 1215, 3815, 1215, true},
    {10, 0, 1560, 3840, 1560, false},
    {11, 45, 1575, 3815, 1575, true},
}};

class EtchedFrame final : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        for (const EtchedLine& line : Line1) {
            // Like a GDI line, the end point itself is not drawn.
            const QRect band(twips(line.x1), twips(line.y1), twips(line.x2) - twips(line.x1),
                             line.light ? 2 : 1);
            painter.fillRect(band, palette().color(line.light ? QPalette::Light : QPalette::Dark));
        }
    }
};

constexpr Qt::WindowFlags kWindowFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Label tops before the load, L(0) to L(5), in twips.
constexpr std::array<int, 6> kLabelTops{1920, 120, 480, 840, 1200, 1560};
constexpr int kLabelMove = 70;  // every label moves down this much once per load

std::array<QLabel*, 6> makeLabels(QWidget* frame)
{
    std::array<QLabel*, 6> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QLabel* label = new QLabel(frame);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setAutoFillBackground(false);  // the separators show through
        if (i == 2 || i == 5) {
            label->setForegroundRole(QPalette::ButtonText);
        } else {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(palette);
        }
        place(label, 120, kLabelTops[i], 3615, i == 3 ? 405 : 375);
        labels[i] = label;
    }
    return labels;
}

}  // namespace

// The controls are made in tab order: cmdOK (0), Command1 (1), Frame1 (2).
frmAbout::frmAbout(Desktop& desktop, QWidget* parent)
    : QDialog(parent, kWindowFlags), Image1(new QLabel(this)),
      cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      Command1(new QPushButton(QStringLiteral("Mail"), this)), Frame1(new EtchedFrame(this)),
      L(makeLabels(Frame1)), desktop_(desktop), labelTopTwips_(kLabelTops)
{
    setFixedSize(twips(5415), twips(2055));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setWindowIcon(appIcon());
    setFont(dialogFont());

    // The icon at its own size from the box's top-left corner, never stretched.
    place(Image1, 360, 240, 720, 720);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setScaledContents(false);
    Image1->setPixmap(appIcon().pixmap(QSize(48, 48)));
    Image1->setAccessibleName(QString::fromUtf8(app::kTitle) + QStringLiteral(" icon"));

    place(cmdOK, 120, 1200, 1215, 325);
    place(Command1, 120, 1610, 1215, 325);
    for (QPushButton* button : {cmdOK, Command1}) {
        button->setFont(buttonFont());
        // No button becomes the default merely by having the focus, so Enter
        // on a focused OK does not close the box.
        button->setAutoDefault(false);
    }
    // Enter sends mail wherever the focus is. Esc is QDialog's own: reject(),
    // which closes the box like OK does; it never sends mail.
    Command1->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    place(Frame1, 1440, 0, 3855, 1935);

    cmdOK->setFocus();

    // Centred on the screen rather than on the owner.
    if (QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    Form_Load();
}

void frmAbout::Form_Load()
{
    Image1->resize(Image1->width(), twips(705));  // the picture's bottom row is cut off
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(app::kTitle));
    L[1]->setText(QString::fromUtf8(app::kTitle));
    L[2]->setText(QStringLiteral("Version: ") + QString::fromUtf8(app::kDisplayVersion));
    L[3]->setText(QStringLiteral("Created by ") + QString::fromUtf8(app::kCompany));
    L[4]->setText(QString::fromUtf8(app::kCopyright));
    L[5]->setText(QStringLiteral("This product is licensed to: ") + desktop_.userName());
    for (std::size_t i = 0; i < L.size(); ++i) {
        labelTopTwips_[i] += kLabelMove;
        L[i]->move(L[i]->x(), twips(labelTopTwips_[i]));
    }
}

void frmAbout::cmdOK_Click()
{
    close();  // the owner's WA_DeleteOnClose then discards the box
}

void frmAbout::Command1_Click()
{
    // Exactly "mailto:" and the address, no subject; the box stays open.
    desktop_.openUrl(QUrl(QStringLiteral("mailto:") + QString::fromUtf8(app::kMailAddress)));
}

}  // namespace vovodi
