// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/about_dialog.hpp"

#include <array>

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include "app/app_info.hpp"
#include "resources/app_icon.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/fonts.hpp"
#include "ui/platform/placement.hpp"
#include "ui/shared/palette.hpp"
#include "ui/shared/twips.hpp"

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
        return AboutDialog::tr("user ID %1").arg(desktop.userId());
    }
    return name;
}

// The etched separators inside the frame, in twips relative to it: a dark
// 1 px line with a light 2 px line just under it, drawn downward from its y.
struct EtchedLine {
    int x1, y1, x2, y2;
    bool light;
};
constexpr std::array<EtchedLine, 8> kSeparators{{
    {0, 480, 3840, 480, false},
    {45, 495, 3815, 495, true},
    {0, 840, 3840, 840, false},
    {45, 855, 3815, 855, true},
    {0, 1200, 3840, 1200, false},
    {45, 1215, 3815, 1215, true},
    {0, 1560, 3840, 1560, false},
    {45, 1575, 3815, 1575, true},
}};

class EtchedFrame final : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        for (const EtchedLine& line : kSeparators) {
            // Like a GDI line, the end point itself is not drawn.
            const QRect band(twips(line.x1), twips(line.y1), twips(line.x2) - twips(line.x1),
                             line.light ? 2 : 1);
            painter.fillRect(band, palette().color(line.light ? QPalette::Light : QPalette::Dark));
        }
    }
};

constexpr Qt::WindowFlags kWindowFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A row of the frame, `top` twips from the frame's top.
QLabel* makeRow(QWidget* frame, const char* name, int top, int height, bool blackReads)
{
    // Black text, as on the classic desktop, where the desktop's button face
    // lets it be read; its button text colour on a dark one.
    auto* row = new QLabel(frame);
    row->setObjectName(QLatin1String(name));
    row->setTextFormat(Qt::PlainText);
    row->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->setWordWrap(true);
    row->setAutoFillBackground(false);  // the separators show through
    // A row on the box's face draws in its button text colour (its background
    // role is the box's, Button), so that is the colour made black.
    row->setForegroundRole(QPalette::ButtonText);
    if (blackReads) {
        QPalette palette = row->palette();
        palette.setColor(QPalette::ButtonText, Qt::black);
        row->setPalette(palette);
    }
    place(row, 120, top, 3615, height);
    return row;
}

}  // namespace

// The controls are made in tab order: OK, Mail, the frame.
AboutDialog::AboutDialog(Desktop& desktop, QWidget* parent) : QDialog(parent, kWindowFlags), desktop_(desktop)
{
    setFixedSize(twips(5415), twips(2055));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setWindowIcon(appIcon());
    setFont(dialogFont());
    setWindowTitle(tr("About %1").arg(QString::fromUtf8(app::kTitle)));

    // The icon at its own size from the box's top-left corner, never stretched,
    // its bottom row cut off.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    place(icon, 360, 240, 720, 705);
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setScaledContents(false);
    icon->setPixmap(appIcon().pixmap(QSize(48, 48)));
    icon->setAccessibleName(tr("%1 icon").arg(QString::fromUtf8(app::kTitle)));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    place(ok, 120, 1200, 1215, 325);
    auto* mail = new QPushButton(tr("Mail"), this);
    mail->setObjectName(QStringLiteral("mailButton"));
    place(mail, 120, 1610, 1215, 325);
    for (QPushButton* button : {ok, mail}) {
        button->setFont(formFont());
        // A button takes Enter while it has the focus, OK when the box opens.
        button->setAutoDefault(true);
    }
    // Enter sends mail when no button has the focus. Esc is QDialog's own:
    // reject(), which closes the box like OK does; it never sends mail.
    mail->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);  // WA_DeleteOnClose then discards the box
    connect(mail, &QPushButton::clicked, this, &AboutDialog::sendMail);

    auto* frame = new EtchedFrame(this);
    frame->setObjectName(QStringLiteral("infoFrame"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    place(frame, 1440, 0, 3855, 1935);

    const bool blackReads = contrastRatio(Qt::black, frame->palette().color(QPalette::Button)) >= 4.5;
    makeRow(frame, "titleRow", 190, 375, blackReads)->setText(QString::fromUtf8(app::kTitle));
    makeRow(frame, "versionRow", 550, 375, false)
        ->setText(tr("Version: %1").arg(QString::fromUtf8(app::kDisplayVersion)));
    makeRow(frame, "companyRow", 910, 405, blackReads)
        ->setText(tr("Created by %1").arg(QString::fromUtf8(app::kCompany)));
    makeRow(frame, "copyrightRow", 1270, 375, blackReads)->setText(QString::fromUtf8(app::kCopyright));
    // A name too long for the row ends in "…" there; a screen reader hears it whole.
    QLabel* licensee = makeRow(frame, "licenseeRow", 1630, 375, false);
    const QString licensed = tr("This product is licensed to: ");
    const QString name = shownUserName(desktop_);
    const QFontMetrics metrics = licensee->fontMetrics();
    licensee->setText(licensed + metrics.elidedText(name, Qt::ElideRight,
                                                    licensee->contentsRect().width() -
                                                        metrics.horizontalAdvance(licensed)));
    licensee->setAccessibleName(licensed + name);

    ok->setFocus();
    placeOnScreen(this);  // centred on the screen rather than on the owner
}

void AboutDialog::sendMail()
{
    // Exactly "mailto:" and the address, no subject; the box stays open.
    desktop_.openUrl(QUrl(QStringLiteral("mailto:") + QString::fromUtf8(app::kMailAddress)));
}

}  // namespace vovodi
