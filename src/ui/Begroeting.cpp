#include "ui/Begroeting.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/AppInfo.h"

namespace ui {

namespace {

// A roll of labels with one label peeling off: the program's logo.
QPixmap Logo() {
  QPixmap pm(72, 72);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.setBrush(QColor(235, 235, 235));
  p.drawEllipse(QRectF(6, 14, 40, 40));
  p.setBrush(QColor(120, 120, 120));
  p.drawEllipse(QRectF(20, 28, 12, 12));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(30, 40, 36, 22), 4, 4);
  p.setPen(QPen(QColor(0, 0, 160), 2));
  p.drawLine(QPointF(36, 48), QPointF(60, 48));
  p.drawLine(QPointF(36, 54), QPointF(52, 54));
  return pm;
}

}  // namespace

Begroeting::Begroeting(Rol rol, QWidget* parent, const QString& programmaBestand) : QDialog(parent) {
  setObjectName(QStringLiteral("Begroeting"));
  setWindowTitle(QStringLiteral("Vellora"));
  setModal(rol == Rol::Info);

  auto* imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setPixmap(Logo());
  auto* naam = new QLabel(QStringLiteral("Vellora"), this);
  QFont groot = naam->font();
  groot.setPointSize(28);
  groot.setBold(true);
  naam->setFont(groot);

  const QString bestand = programmaBestand.isEmpty() ? QCoreApplication::applicationFilePath() : programmaBestand;
  lblVersie_ = new QLabel(platform::appinfo::versionText(), this);
  lblVersie_->setObjectName(QStringLiteral("lblVersie"));
  lblBuild_ = new QLabel(BuildVan(bestand), this);
  lblBuild_->setObjectName(QStringLiteral("lblBuild"));

  auto* belangrijk = new QGroupBox(QStringLiteral("Belangrijk:"), this);
  auto* melding = new QLabel(QStringLiteral("Controleer een nieuw ontwerp altijd met één proefafdruk\n"
                                            "voordat u een grote reeks etiketten afdrukt."),
                             belangrijk);
  QFont klein = melding->font();
  klein.setPointSizeF(klein.pointSizeF() * 0.85);
  melding->setFont(klein);
  auto* bl = new QVBoxLayout(belangrijk);
  bl->addWidget(melding);

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setDefault(true);
  cmdOK_->setVisible(rol == Rol::Info);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

  // The logo keeps equal margins on its left and top.
  auto* kop = new QHBoxLayout;
  kop->addWidget(imgLogo, 0, Qt::AlignTop);
  auto* titel = new QVBoxLayout;
  titel->addWidget(naam);
  auto* versie = new QHBoxLayout;
  versie->addWidget(lblVersie_);
  versie->addSpacing(12);
  versie->addWidget(lblBuild_);
  versie->addStretch();
  titel->addLayout(versie);
  kop->addLayout(titel, 1);
  auto* hoofd = new QVBoxLayout(this);
  const int marge = 14;
  hoofd->setContentsMargins(marge, marge, marge, marge);
  hoofd->addLayout(kop);
  hoofd->addWidget(belangrijk);
  hoofd->addWidget(cmdOK_, 0, Qt::AlignRight);

  setCursor(rol == Rol::Info ? Qt::ArrowCursor : Qt::WaitCursor);
  adjustSize();
  if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
    const QRect s = scherm->availableGeometry();
    move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
  }
}

QString Begroeting::Versie() const { return lblVersie_->text(); }
QString Begroeting::Build() const { return lblBuild_->text(); }
bool Begroeting::OkZichtbaar() const { return !cmdOK_->isHidden(); }

QString Begroeting::BuildVan(const QString& bestand) {
  return platform::appinfo::buildStamp(QFileInfo(bestand).lastModified().date());
}

}  // namespace ui
