#pragma once

// Answers the next modal window of a kind from inside its modal showing.
#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace vantrel::testing {

// Runs `answer` on the modal window that is active once the event loop turns, that
// is inside the modal showing. Counts the windows it has answered; a window that
// never came leaves the count at 0. Cancelled when it goes out of scope.
template <typename Window>
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(Window*)> answer) : answer_(std::move(answer))
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
                ++answered;
                timer_.stop();
                answer_(window);
            }
        });
        timer_.start();
    }

    int answered = 0;

private:
    std::function<void(Window*)> answer_;
    QTimer timer_;
};

}  // namespace vantrel::testing
