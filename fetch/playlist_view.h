// PlaylistView: the window as the fetch sees it, the few control operations
// a fetch uses. The window's adapter implements it; tests record the calls.
//
// Contract for implementations: callable from the fetch's own thread; each
// call takes effect before it returns. Once the window is gone every call
// returns at once without effect (reads give "" and -1) and isGone() is true.
#pragma once

#include "text/text.h"

namespace lirvane {

class PlaylistView {
 public:
  virtual ~PlaylistView() = default;

  virtual void setFetchButtonDisabled(bool disabled) = 0;
  virtual void setFetchButtonCaption(const Text& caption) = 0;
  virtual Text numberText() = 0;
  virtual void setStatusPartText(int part, const Text& text) = 0;
  virtual void deleteAllRows() = 0;
  // The index of a new, empty row after the last.
  virtual int appendRow() = 0;
  virtual void setCellText(int row, int column, const Text& text) = 0;
  virtual bool isGone() = 0;
};

}  // namespace lirvane
