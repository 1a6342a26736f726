// The grid's in-place editor.

#include "platform/vcl/inplace_edit.h"

#include "platform/vcl/grids.h"

const TComponentClass& TInplaceEdit::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TInplaceEdit",
      .Parent = &TCustomEdit::StaticClass(),
  });
  return cls;
}

// The editor belongs to no form's components: the grid makes it, and it goes with the grid's
// windowed children. It is not a tab stop: Tab never lands in a closed editor.
TInplaceEdit::TInplaceEdit(TCustomGrid* grid) : TCustomEdit(nullptr), FGrid(grid) {
  SetTabStop(false);
  SetVisible(false);
  SetParent(grid);
}

void TInplaceEdit::Place(const RECT& cell) {
  SetBounds(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
}

void TInplaceEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL |
                       (FGrid->Options().Contains(goTabs) ? DLGC_WANTTAB : 0);
      return;
    case WM_KEYDOWN:
      switch (message.WParam) {
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_TAB:
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
          FGrid->EditorKeyDown(message.WParam);
          return;
      }
      break;
    case WM_KILLFOCUS:
      TCustomEdit::WndProc(message);  // the grid hears EN_KILLFOCUS first
      FGrid->EditorLostFocus();
      return;
  }
  TCustomEdit::WndProc(message);
}
