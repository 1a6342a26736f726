#pragma once
// The outline family's record: the selected node of an outline changed.

#include <cstdint>
#include <string>

#include "families/api_events.h"
#include "log/log_event.h"

// An outline's newly selected item: its index in the whole tree (from 1) and its text.
class TOutlineNodeChangeEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TOutlineNodeChangeEvent, TWindowEvent)
  TOutlineNodeChangeEvent(std::string windowName, std::string nodeText, int32_t node)
      : TWindowEvent(std::move(windowName)), FNodeText(std::move(nodeText)), FNode(node) {}
  const std::string& NodeText() const { return FNodeText; }
  int32_t Node() const { return FNode; }
  std::string AsString() const override;

 private:
  std::string FNodeText;
  int32_t FNode = 0;
};
