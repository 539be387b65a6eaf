#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <utility>

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
    Answer a = Answer::Ok;
    if (!answers.empty()) {
      a = answers.front();
      answers.pop_front();
    }
    // What happens while the user reads the question (messages shown
    // meanwhile take the answers after this one).
    if (tijdensVraag) std::exchange(tijdensVraag, {})();
    return a;
  }
  void beep() override { ++beeps; }

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  std::function<void()> tijdensVraag;  // run once, during the next message
  int beeps = 0;
};
