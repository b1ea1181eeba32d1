#pragma once
// The text caret blinks while the user works and rests, shown steadily, after a few seconds
// without input, as the desktops do it (Windows after 5 s, GNOME after 10 s). Left blinking, the
// caret of the entry box would wake the untouched calculator twice a second, all day long.

#include <QObject>
#include <QTimer>

namespace zen::qt {

class CaretRest : public QObject {
 public:
  static constexpr int kRestAfterMs = 5000;
  // Watches the whole application's input from now on; the caret rests after restAfterMs
  // without any.
  explicit CaretRest(int restAfterMs = kRestAfterMs, QObject* parent = nullptr);
  ~CaretRest() override;
  CaretRest(const CaretRest&) = delete;
  CaretRest& operator=(const CaretRest&) = delete;

  bool resting() const { return resting_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void rest();
  void wake();

  int flashTime_;  // the desktop's own
  bool resting_ = false;
  QTimer restAfter_;
};

}  // namespace zen::qt
