#pragma once
// The identifiers of the program's resources: commands, strings, pictures and
// the control bars. A command's id is also the id of its string (prompt, then
// tooltip after a line feed).

// The main frame's resources: document string, icon, toolbar, menu and
// accelerators all share this id.
inline constexpr unsigned IDR_MAINFRAME = 128;

// Dialog templates.
inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned IDD_USAGE = 143;

// Controls of a dialog: its OK and Cancel buttons, and "no id" for controls
// that nothing refers to. OK and Cancel are also what a dialog returns.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;

// Commands.
inline constexpr unsigned ID_FILE_NEW = 57600;
inline constexpr unsigned ID_FILE_OPEN = 57601;
inline constexpr unsigned ID_FILE_SAVE = 57603;
inline constexpr unsigned ID_EDIT_COPY = 57634;
inline constexpr unsigned ID_EDIT_CUT = 57635;
inline constexpr unsigned ID_EDIT_PASTE = 57637;
inline constexpr unsigned ID_EDIT_UNDO = 57643;
inline constexpr unsigned ID_APP_ABOUT = 57664;
inline constexpr unsigned ID_APP_EXIT = 57665;
inline constexpr unsigned ID_NEXT_PANE = 57680;
inline constexpr unsigned ID_PREV_PANE = 57681;
inline constexpr unsigned ID_VIEW_TOOLBAR = 59392;
inline constexpr unsigned ID_VIEW_STATUS_BAR = 59393;
inline constexpr unsigned ID_USAGE = 32777;

// Control bars: the toolbar and the status bar carry the ids of the commands
// that show and hide them.
inline constexpr unsigned AFX_IDW_TOOLBAR = ID_VIEW_TOOLBAR;
inline constexpr unsigned AFX_IDW_STATUS_BAR = ID_VIEW_STATUS_BAR;

// Status-bar panes: 0 is the message pane; the others show their string while
// their lock key is on.
inline constexpr unsigned ID_SEPARATOR = 0;
inline constexpr unsigned ID_INDICATOR_CAPS = 59137;
inline constexpr unsigned ID_INDICATOR_NUM = 59138;
inline constexpr unsigned ID_INDICATOR_SCRL = 59139;

// Framework strings.
inline constexpr unsigned AFX_IDS_APP_TITLE = 57344;
inline constexpr unsigned AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr unsigned AFX_IDS_OPENFILE = 61440;
inline constexpr unsigned AFX_IDS_ALLFILTER = 61442;
inline constexpr unsigned AFX_IDS_UNTITLED = 61443;
inline constexpr unsigned AFX_IDP_FAILED_TO_CREATE_DOC = 61700;
inline constexpr unsigned AFX_IDP_UNREG_DONE = 61707;

// Prompts of the window's system menu.
inline constexpr unsigned AFX_IDS_SCSIZE = 61184;
inline constexpr unsigned AFX_IDS_SCMOVE = 61185;
inline constexpr unsigned AFX_IDS_SCMINIMIZE = 61186;
inline constexpr unsigned AFX_IDS_SCMAXIMIZE = 61187;
inline constexpr unsigned AFX_IDS_SCCLOSE = 61190;
inline constexpr unsigned AFX_IDS_SCRESTORE = 61202;
inline constexpr unsigned AFX_IDS_SCTASKLIST = 61203;
