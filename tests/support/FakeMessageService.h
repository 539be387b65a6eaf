#pragma once
#include <QString>
#include <QStringList>
#include <deque>

#include "platformwidgets/MessageService.h"

// Records every message and answers from a script (OK when the script is empty).
class FakeMessageService : public platform::MessageService {
 public:
  struct Shown {
    Icon icon;
    QString title;
    QString text;
    Buttons buttons;
  };
  Answer show(Icon icon, const QString& title, const QString& text, Buttons buttons) override {
    shown.push_back({icon, title, text, buttons});
    if (answers.empty()) return Answer::Ok;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void beep() override { ++beeps; }

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  int beeps = 0;
};
