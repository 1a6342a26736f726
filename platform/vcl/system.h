#pragma once
// The runtime's root class and its process-wide error reporting: the console flag, the exception
// procedure that console programs route unhandled exceptions through, and the default report of
// an exception nobody caught.

#include <cstdint>
#include <exception>
#include <string>

// Root of the framework's classes. Every object answers the name of its class.
class TObject {
 public:
  virtual ~TObject();
  virtual std::string ClassName() const { return "TObject"; }
};

// The full path of the running program's executable.
std::string ExecutableFileName();

// Whether the program is a console program (default false: a windowed program).
bool IsConsole();
void SetIsConsole(bool value);

// The runtime's exception procedure: what a console program does with an exception nobody caught.
// `address` is where the exception was raised, as far as the caller knows it.
using TExceptProc = void (*)(const std::exception& e, uintptr_t address);
TExceptProc ExceptProc();
void SetExceptProc(TExceptProc proc);

// What the runtime does with an exception nobody caught: calls the exception procedure when one
// is set, otherwise writes "Exception CLASS in module NAME at ADDRESS.\nMESSAGE." to the standard
// error stream.
void HandleUnhandledException(const std::exception& e, uintptr_t address);
// The runtime's own report of an exception nobody caught, whatever procedure is set.
void ShowUnhandledException(const std::exception& e, uintptr_t address);

// The class name of an exception: its own for the platform's exceptions, the C++ type otherwise.
std::string ExceptionClassName(const std::exception& e);
// The message of an exception as a sentence: a period is added unless the text is empty or already
// ends in ".", "!" or "?".
std::string ExceptionDisplayText(const std::exception& e);
