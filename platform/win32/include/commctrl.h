// Common controls: list view, toolbar, rebar and the extended combo box, as the SDK of
// the Internet Explorer 6 era declares what the system uses of them.
#pragma once

// As in the SDK, this header relies on <windows.h> having been included first (the
// COM headers include it).
#ifndef _WINDOWS_
#error "include <windows.h> before <commctrl.h>"
#endif

#include "pointer32.h"
#include "winuser.h"

#define WC_LISTVIEWA "SysListView32"
#define TOOLBARCLASSNAMEA "ToolbarWindow32"
#define REBARCLASSNAMEA "ReBarWindow32"
#define WC_COMBOBOXEXA "ComboBoxEx32"

#define NM_FIRST (0U - 0U)
#define NM_CLICK (NM_FIRST - 2)
#define NM_DBLCLK (NM_FIRST - 3)
#define LVN_FIRST (0U - 100U)
#define LVN_ITEMCHANGED (LVN_FIRST - 1)

// List view.
#define LVM_FIRST 0x1000
#define LVM_GETITEMCOUNT (LVM_FIRST + 4)
#define LVM_GETITEMA (LVM_FIRST + 5)
#define LVM_SETITEMA (LVM_FIRST + 6)
#define LVM_INSERTITEMA (LVM_FIRST + 7)
#define LVM_DELETEALLITEMS (LVM_FIRST + 9)
#define LVM_GETNEXTITEM (LVM_FIRST + 12)
#define LVM_GETITEMPOSITION (LVM_FIRST + 16)
#define LVM_SETITEMSTATE (LVM_FIRST + 43)
#define LVM_GETITEMSTATE (LVM_FIRST + 44)
#define LVM_GETITEMTEXTA (LVM_FIRST + 45)

#define LVS_ICON 0x0
#define LVS_REPORT 0x1
#define LVS_SMALLICON 0x2
#define LVS_LIST 0x3
#define LVS_SINGLESEL 0x4

#define LVIF_TEXT 0x1
#define LVIF_IMAGE 0x2
#define LVIF_PARAM 0x4
#define LVIF_STATE 0x8
#define LVIF_INDENT 0x10

#define LVIS_FOCUSED 0x1
#define LVIS_SELECTED 0x2

#define LVNI_ALL 0x0
#define LVNI_FOCUSED 0x1
#define LVNI_SELECTED 0x2

// The list-view item exactly as 32-bit Windows lays it out: 40 bytes, the text pointer
// and lParam 4 bytes each. The system writes this record into another process's memory
// and the list view there reads it, so the layout is the contract, not the host's
// pointer size. On this 64-bit host pszText holds its address in 32 bits (see
// pointer32.h); lParam keeps the low 32 bits, as a 32-bit program would have.
typedef struct tagLVITEMA {
  UINT mask;
  int iItem;
  int iSubItem;
  UINT state;
  UINT stateMask;
  win32::Pointer32<CHAR> pszText;
  int cchTextMax;
  int iImage;
  LONG lParam;
  int iIndent;
} LVITEMA, *LPLVITEMA;
static_assert(sizeof(LVITEMA) == 40, "LVITEMA keeps the 32-bit layout");
#define LVITEM LVITEMA
#define LPLVITEM LPLVITEMA

typedef struct tagNMLISTVIEW {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
} NMLISTVIEW, *LPNMLISTVIEW;

typedef struct tagNMITEMACTIVATE {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
  UINT uKeyFlags;
} NMITEMACTIVATE, *LPNMITEMACTIVATE;

// Toolbar.
#define TBSTATE_CHECKED 0x1
#define TBSTATE_PRESSED 0x2
#define TBSTATE_ENABLED 0x4
#define TBSTATE_HIDDEN 0x8
#define TBSTYLE_BUTTON 0x0
#define BTNS_BUTTON TBSTYLE_BUTTON

#define TB_PRESSBUTTON (WM_USER + 3)
#define TB_SETSTATE (WM_USER + 17)
#define TB_GETSTATE (WM_USER + 18)
#define TB_ADDBUTTONSA (WM_USER + 20)
#define TB_GETBUTTON (WM_USER + 23)
#define TB_BUTTONCOUNT (WM_USER + 24)
#define TB_COMMANDTOINDEX (WM_USER + 25)
#define TB_ADDSTRINGA (WM_USER + 28)
#define TB_GETITEMRECT (WM_USER + 29)
#define TB_BUTTONSTRUCTSIZE (WM_USER + 30)
#define TB_GETBUTTONTEXTA (WM_USER + 45)

// Used in this process only (never written across processes), so the host's layout.
typedef struct _TBBUTTON {
  int iBitmap;
  int idCommand;
  BYTE fsState;
  BYTE fsStyle;
  BYTE bReserved[sizeof(void*) == 8 ? 6 : 2];
  DWORD_PTR dwData;
  INT_PTR iString;
} TBBUTTON, *PTBBUTTON, *LPTBBUTTON;
typedef const TBBUTTON* LPCTBBUTTON;

// Extended combo box.
#define CBEIF_TEXT 0x1
#define CBEM_INSERTITEMA (WM_USER + 1)
#define CBEM_GETCOMBOCONTROL (WM_USER + 6)
#define CBEM_GETEDITCONTROL (WM_USER + 7)

typedef struct tagCOMBOBOXEXITEMA {
  UINT mask;
  INT_PTR iItem;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int iOverlay;
  int iIndent;
  LPARAM lParam;
} COMBOBOXEXITEMA, *PCOMBOBOXEXITEMA;
typedef const COMBOBOXEXITEMA* PCCOMBOBOXEXITEMA;

#define TB_GETBUTTONTEXT TB_GETBUTTONTEXTA
#define LVM_GETITEM LVM_GETITEMA
#define LVM_GETITEMTEXT LVM_GETITEMTEXTA
