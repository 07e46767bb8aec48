// Message boxes answered by the test: each box shown is recorded, and the
// answers queued by the test are given in order.
#pragma once
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace fw::test {

class MessageBoxScript {
public:
    struct Shown {
        std::string text;
        UINT type;
    };
    std::vector<Shown> m_shown;
    std::deque<int> m_answers; // IDYES, IDNO, IDCANCEL ...

protected:
    // The next queued answer; without one, IDOK for a box with only OK and
    // `otherwise` for a question.
    int AnswerMessageBox(const std::string& text, UINT type, int otherwise = IDNO)
    {
        m_shown.push_back({text, type});
        if (!m_answers.empty()) {
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return (type & MB_TYPEMASK) == MB_OK ? IDOK : otherwise;
    }
};

} // namespace fw::test
