#pragma once
#include <QString>

class QWidget;

namespace platform {

// Message boxes and the beep, behind an interface so that tests can script
// the answer and read the exact text that was shown.
class MessageService {
 public:
  enum class Icon { None, Information, Exclamation, Warning, Stop, Question };
  enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
  enum class Answer { Ok, Cancel, Yes, No };

  virtual ~MessageService() = default;
  virtual Answer show(Icon icon, const QString& title, const QString& text, Buttons buttons = Buttons::Ok) = 0;
  virtual void beep() = 0;
};

// Real message boxes, parented to the given window.
class QtMessageService : public MessageService {
 public:
  explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  Answer show(Icon icon, const QString& title, const QString& text, Buttons buttons) override;
  void beep() override;

 private:
  QWidget* parent_;
};

}  // namespace platform
