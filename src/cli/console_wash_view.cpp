#include "cli/console_wash_view.h"

#include "engine/wash_driver.h"
#include "platform/paths.h"

std::optional<ConfirmAnswer> ParseConfirmAnswer(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string word = platform::LowerAscii(text.substr(first, last - first + 1));
    if (word == "y" || word == "yes")
        return ConfirmAnswer::Yes;
    if (word == "n" || word == "no")
        return ConfirmAnswer::No;
    if (word == "c" || word == "cancel")
        return ConfirmAnswer::Cancel;
    if (word == "a" || word == "all")
        return ConfirmAnswer::All;
    return std::nullopt;
}

void ConsoleWashView::SetProgressText(const std::string& text) {
    if (choices_.Verbose)
        io_.Err(text + "\r\n");
}

ConfirmAnswer ConsoleWashView::Confirm(const std::string& question) {
    if (choices_.AnswerAll)
        return ConfirmAnswer::All;
    for (;;) {
        io_.Err(question + " [y]es, [n]o, [c]ancel, [a]ll: ");
        std::optional<std::string> line = io_.ReadLine();
        if (!line || stopFlag_.load()) {
            // Nobody can answer: never act without consent.
            io_.Err("\r\nno answer: cancelled\r\n");
            return ConfirmAnswer::Cancel;
        }
        if (std::optional<ConfirmAnswer> answer = ParseConfirmAnswer(*line))
            return *answer;
    }
}

void ConsoleWashView::ProcessMessages() {
    if (stopped_ || !ctx_ || !ctx_->Washing || !stopFlag_.load())
        return;
    stopped_ = true;
    io_.Err("Stopping: the run ends after the current object.\r\n");
    ScrubAndGoBtnClick(*ctx_);  // during a run this only asks it to stop
}

void ConsoleActivityLog::Write(std::string_view text) {
    if (file_)
        file_->Write(text);
    pending_.append(text);
    for (std::size_t end = pending_.find('\n'); end != std::string::npos;
         end = pending_.find('\n')) {
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())  // the log's empty separator lines are not shown
            io_.Out(line + "\r\n");
    }
}

void ConsoleActivityLog::Flush() {
    if (file_)
        file_->Flush();
}
