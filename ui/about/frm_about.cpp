// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/frm_about.hpp"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include "app/app_info.hpp"
#include "resources/app_icon.hpp"
#include "ui/main/widgets.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/fonts.hpp"
#include "ui/platform/placement.hpp"
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

// The user's name as a row can show it: without control characters or line
// breaks, and the numeric id of a user who has no name.
QString shownUserName(const Desktop& desktop)
{
    QString name = desktop.userName();
    name.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
               c.category() == QChar::Separator_Paragraph;
    });
    if (name.isEmpty() && !desktop.userId().isEmpty()) {
        return QStringLiteral("user ID ") + desktop.userId();
    }
    return name;
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
constexpr int kLabelMove = 70;  // the load moves every label down this much

std::array<QLabel*, 6> makeLabels(QWidget* frame)
{
    // Black text, as on the classic desktop, where the desktop's button face
    // lets it be read; its button text colour on a dark one.
    const bool blackReads = contrastRatio(Qt::black, frame->palette().color(QPalette::Button)) >= 4.5;
    std::array<QLabel*, 6> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QLabel* label = new QLabel(frame);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setAutoFillBackground(false);  // the separators show through
        if (i == 2 || i == 5 || !blackReads) {
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
      L(makeLabels(Frame1)), desktop_(desktop)
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
        button->setFont(formFont());
        // A button takes Enter while it has the focus, OK when the box opens.
        button->setAutoDefault(true);
    }
    // Enter sends mail when no button has the focus. Esc is QDialog's own:
    // reject(), which closes the box like OK does; it never sends mail.
    Command1->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    place(Frame1, 1440, 0, 3855, 1935);

    cmdOK->setFocus();

    Form_Load();
    placeOnScreen(this);  // centred on the screen rather than on the owner
}

void frmAbout::Form_Load()
{
    Image1->resize(Image1->width(), twips(705));  // the picture's bottom row is cut off
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(app::kTitle));
    L[1]->setText(QString::fromUtf8(app::kTitle));
    L[2]->setText(QStringLiteral("Version: ") + QString::fromUtf8(app::kDisplayVersion));
    L[3]->setText(QStringLiteral("Created by ") + QString::fromUtf8(app::kCompany));
    L[4]->setText(QString::fromUtf8(app::kCopyright));
    // A name too long for the row ends in "…" there; a screen reader hears it whole.
    const QString licensed = QStringLiteral("This product is licensed to: ");
    const QString name = shownUserName(desktop_);
    const QFontMetrics metrics = L[5]->fontMetrics();
    L[5]->setText(licensed +
                  metrics.elidedText(name, Qt::ElideRight,
                                     L[5]->contentsRect().width() - metrics.horizontalAdvance(licensed)));
    L[5]->setAccessibleName(licensed + name);
    for (std::size_t i = 0; i < L.size(); ++i) {
        L[i]->move(L[i]->x(), twips(kLabelTops[i] + kLabelMove));
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
