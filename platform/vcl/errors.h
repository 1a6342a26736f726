#pragma once
// The framework's own failures: component naming and ownership, operations a control cannot
// perform in its state, unknown class names, and malformed form files.

#include <string>

#include "platform/sysutils.h"

class EComponentError : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EComponentError"; }
};

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EInvalidOperation"; }
};

class EClassNotFound : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EClassNotFound"; }
};

// A form file that cannot be read. The message names the file (when there is one), the line and
// what is wrong: "main.dfm(12): Unknown property 'Colour' of TButton".
class EParserError : public Exception {
 public:
  EParserError(const std::string& sourceName, int line, const std::string& reason)
      : Exception((sourceName.empty() ? "Line " + std::to_string(line)
                                      : sourceName + "(" + std::to_string(line) + ")") +
                  ": " + reason),
        FLine(line),
        FReason(reason) {}
  const char* ClassName() const override { return "EParserError"; }
  int Line() const { return FLine; }
  const std::string& Reason() const { return FReason; }

 private:
  int FLine;
  std::string FReason;
};

// A list of lines that a property refuses: which line (counted from 0) and why. A form file
// reports it at the line of the text where that line stands.
class ELineError : public Exception {
 public:
  ELineError(int index, const std::string& reason) : Exception(reason), FIndex(index) {}
  const char* ClassName() const override { return "ELineError"; }
  int Index() const { return FIndex; }

 private:
  int FIndex;
};
