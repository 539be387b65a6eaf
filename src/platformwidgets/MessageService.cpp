#include "platformwidgets/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace platform {

MessageService::Answer QtMessageService::show(Icon icon, const QString& title, const QString& text, Buttons buttons) {
  QMessageBox box(parent_);
  box.setWindowTitle(title);
  // File names in messages are shown as they are, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Exclamation:
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Stop: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
  }
  // The program speaks Dutch, its buttons too.
  const std::pair<QMessageBox::StandardButton, const char*> opschriften[] = {{QMessageBox::Ok, "OK"},
                                                                             {QMessageBox::Cancel, "Annuleren"},
                                                                             {QMessageBox::Yes, "&Ja"},
                                                                             {QMessageBox::No, "&Nee"}};
  for (const auto& [knop, tekst] : opschriften)
    if (QAbstractButton* b = box.button(knop)) b->setText(QString::fromLatin1(tekst));
  switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
  }
}

void QtMessageService::beep() { QApplication::beep(); }

}  // namespace platform
