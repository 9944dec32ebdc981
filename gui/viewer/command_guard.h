#pragma once
// Whatever a command lets escape is shown in a standard error box with its text, and the
// program goes on: the default error display.
#include <exception>
#include <functional>

void ShowDefaultError(const std::exception_ptr& error);

template <typename Command>
void RunCommand(Command&& command)
{
    try {
        command();
    } catch (...) {
        ShowDefaultError(std::current_exception());
    }
}
