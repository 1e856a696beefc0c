#include "frame/about_form.h"

#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "frame/command_table.h"
#include "frame/help_dialog.h"
#include "frame/resources.h"
#include "frame/screen_geometry.h"
#include "tabrix/version.h"

namespace frame {

namespace {
// The box is laid out for 5700 × 3800 twips and shown 5000 twips high; it is
// placed by its designed height, so it sits a little below the centre.
constexpr QSize kDesignedTwips(5700, 3800);
constexpr int kShownHeightTwips = 5000;
constexpr int kLogoPixels = 96;
}  // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About Tabrix"));
    setModal(false);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(logoIcon().pixmap(kLogoPixels, kLogoPixels));
    logo->setAccessibleName(QStringLiteral("Tabrix logo"));  // a picture has no text to read

    auto* productName = new QLabel(QStringLiteral("Tabrix"), this);
    productName->setObjectName(QStringLiteral("lblProductName"));
    QFont nameFont = productName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.0);
    nameFont.setBold(true);
    productName->setFont(nameFont);

    auto* version =
        new QLabel(QStringLiteral("Version ") + QString::fromLatin1(tabrix::kVersion), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* description = new QLabel(tr("Shows a measure in every unit of its kind: "
                                      "length, area, volume, liquid, weight, time, speed, "
                                      "pressure, energy, density, force and temperature."),
                                   this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("lineAboutRule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("butAboutOKR"));
    ok->setDefault(true);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("butAboutHelpR"));
    help->setAutoDefault(false);

    // OK only hides the box: it stays loaded, and the help layer with it.
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    connect(help, &QPushButton::clicked, this, [this] { showHelpTopic(kHelpContents); });

    auto* texts = new QVBoxLayout;
    texts->addWidget(productName);
    texts->addWidget(version);
    texts->addSpacing(12);
    texts->addWidget(description);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top, 1);
    layout->addWidget(rule);
    layout->addLayout(buttons);

    // The help viewer belongs with the frame rather than with this box, which
    // is often hidden while help is open.
    m_helpDialog = new HelpDialog(this, parent ? parent->window() : this);
    m_helpDialog->setHelpFile(QStringLiteral("Quorvel.hlp"));

    placeOnScreen();
}

void AboutForm::showHelpTopic(int topic)
{
    m_helpDialog->setHelpContext(topic);
    m_helpDialog->showHelp();
}

void AboutForm::placeOnScreen()
{
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect geometry = aboutGeometryFor(screen->geometry(), screen->logicalDotsPerInch(),
                                            kDesignedTwips, kShownHeightTwips);
    resize(geometry.size());
    move(geometry.topLeft());
}

}  // namespace frame
