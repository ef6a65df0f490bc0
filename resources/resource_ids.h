// The ids of the program's resources, of the controls in its dialogs and of
// its menu commands: the one place that numbers them. The resource scripts
// of this folder use these names, and so does the code that loads the
// resources or handles the controls and commands. Plain #defines, so that
// the resource compiler can read them too.
//
// The numbers stay as they are: the end-to-end tests drive the editor and
// the dialogs by them.
#pragma once

// The program's icon: the editor's, the reference window's and the RUN and
// DLG windows' classes, the version dialog, and a compiled program's, whose
// image the compiler replaces.
#define ZEP_ICON_PROGRAM 107

// The 20 standard button glyphs (glyphs.rc), in the order of a script's
// SetButtonGrp types 1..20. The editor's toolbar shows three of them; its
// buttons send their icon's id as their command.
#define ZEP_GLYPH_PAPER 161
#define ZEP_GLYPH_OPEN 149
#define ZEP_GLYPH_SAVE 139
#define ZEP_GLYPH_CUT 154
#define ZEP_GLYPH_COPY 155
#define ZEP_GLYPH_PASTE 156
#define ZEP_GLYPH_UNDO 157
#define ZEP_GLYPH_REDO 158
#define ZEP_GLYPH_CROSS 160
#define ZEP_GLYPH_EXCLAMATION 140
#define ZEP_GLYPH_PRINTER 166
#define ZEP_GLYPH_PREVIEW 162
#define ZEP_GLYPH_DOCUMENT 148
#define ZEP_GLYPH_FIND 143
#define ZEP_GLYPH_FIND_AGAIN 165
#define ZEP_GLYPH_LEFT 152
#define ZEP_GLYPH_RIGHT 153
#define ZEP_GLYPH_QUESTION 151
#define ZEP_GLYPH_HELP_POINTER 164
#define ZEP_GLYPH_GRID 163

// The editor's menu bar and its shortcuts.
#define ZEP_MENU_EDITOR 109
#define ZEP_ACCELERATORS_EDITOR 110

// The dialogs.
#define ZEP_DIALOG_VERSION 103
#define ZEP_DIALOG_COMMAND_ASSIST 129
#define ZEP_DIALOG_STYLE_ASSIST 131
#define ZEP_DIALOG_PALETTE_ASSIST 132
#define ZEP_DIALOG_FONT_ASSIST 133
#define ZEP_DIALOG_CONTROL_ASSIST 145
#define ZEP_DIALOG_COMPILE 167

// The buttons every assist dialog has; an assist ends with the id of the
// one that ended it.
#define ZEP_ASSIST_PASTE 1003   // "貼り付け"
#define ZEP_ASSIST_COPY 1004    // "コピー"
#define ZEP_ASSIST_CANCEL 1005  // "閉じる", "ｷｬﾝｾﾙ"

// The command assist's controls.
#define ZEP_COMMAND_ENTRIES 1002
#define ZEP_COMMAND_CATEGORIES 1008
#define ZEP_COMMAND_HELP 1009
#define ZEP_COMMAND_DESCRIPTION 1017

// The palette assist's controls: a scroll bar per colour, and the check box
// for the colour numbers alone.
#define ZEP_PALETTE_RED 101
#define ZEP_PALETTE_GREEN 102
#define ZEP_PALETTE_BLUE 103
#define ZEP_PALETTE_DATA_ONLY 1023

// The window style assist's radio buttons, one group with consecutive ids:
// SetWinStyle 0..4, then the rounded and the elliptic shape of
// SetWinStyleOption.
#define ZEP_STYLE_0 300
#define ZEP_STYLE_1 301
#define ZEP_STYLE_2 302
#define ZEP_STYLE_3 303
#define ZEP_STYLE_4 304
#define ZEP_SHAPE_ROUNDED 305
#define ZEP_SHAPE_ELLIPTIC 306

// The font assist's controls: the style radio buttons (consecutive ids),
// the list of faces and the check box for the face name alone.
#define ZEP_FONT_NORMAL 201
#define ZEP_FONT_ITALIC 202
#define ZEP_FONT_BOLD 203
#define ZEP_FONT_BOLD_ITALIC 204
#define ZEP_FONT_FACES 205
#define ZEP_FONT_NAME_ONLY 1024

// The control assist's radio buttons, one group with consecutive ids, each
// named by the control type it pastes. The bitmap button (type 1) came
// after the others: its id is the last, its button the second.
#define ZEP_CONTROL_TYPE_0 500
#define ZEP_CONTROL_TYPE_10 501
#define ZEP_CONTROL_TYPE_20 502
#define ZEP_CONTROL_TYPE_30 503
#define ZEP_CONTROL_TYPE_31 504
#define ZEP_CONTROL_TYPE_32 505
#define ZEP_CONTROL_TYPE_33 506
#define ZEP_CONTROL_TYPE_40 507
#define ZEP_CONTROL_TYPE_50 508
#define ZEP_CONTROL_TYPE_51 509
#define ZEP_CONTROL_TYPE_52 510
#define ZEP_CONTROL_TYPE_60 511
#define ZEP_CONTROL_TYPE_70 512
#define ZEP_CONTROL_TYPE_71 513
#define ZEP_CONTROL_TYPE_100 514
#define ZEP_CONTROL_TYPE_101 515
#define ZEP_CONTROL_TYPE_41 516
#define ZEP_CONTROL_TYPE_1 517

// The compile dialog's controls.
#define ZEP_COMPILE_ICON_FILE 1028
#define ZEP_COMPILE_OUTPUT 1029
#define ZEP_COMPILE_STANDARD_ICON 1030

// The editor's menu commands (ide/editor.h names them for the code). The
// palette assist's item has the number of its dialog.
#define ZEP_CMD_NEW 32789
#define ZEP_CMD_OPEN 32771
#define ZEP_CMD_SAVE 32772
#define ZEP_CMD_SAVE_AS 32773
#define ZEP_CMD_RUN 32781
#define ZEP_CMD_COMPILE 32790
#define ZEP_CMD_EXIT 105
#define ZEP_CMD_UNDO 32777
#define ZEP_CMD_REDO 32791
#define ZEP_CMD_CUT 32774
#define ZEP_CMD_COPY 32775
#define ZEP_CMD_PASTE 32776
#define ZEP_CMD_DELETE 32778
#define ZEP_CMD_SELECT_ALL 32779
#define ZEP_CMD_FIND 32792
#define ZEP_CMD_FIND_NEXT 32793
#define ZEP_CMD_ZOOM_IN 32794
#define ZEP_CMD_ZOOM_OUT 32795
#define ZEP_CMD_ZOOM_RESET 32796
#define ZEP_CMD_COMMAND_ASSIST 32780
#define ZEP_CMD_PALETTE_ASSIST 132
#define ZEP_CMD_FONT_ASSIST 32784
#define ZEP_CMD_STYLE_ASSIST 32783
#define ZEP_CMD_CONTROL_ASSIST 32788
#define ZEP_CMD_FILE_NAME_ASSIST 32785
#define ZEP_CMD_HELP_INDEX 32786
#define ZEP_CMD_HELP_KEYWORD 32787
#define ZEP_CMD_HELP_WORD 32797
#define ZEP_CMD_HELP_GUIDE 32798
#define ZEP_CMD_VERSION 104
// The debugger's menu.
#define ZEP_CMD_DEBUG_WATCH 32799
#define ZEP_CMD_DEBUG_CONTINUE 32800
#define ZEP_CMD_DEBUG_PAUSE 32801
#define ZEP_CMD_DEBUG_STEP 32802
#define ZEP_CMD_DEBUG_STEP_INTO 32803
#define ZEP_CMD_DEBUG_STOP 32804
#define ZEP_CMD_DEBUG_BREAKPOINT 32805
#define ZEP_CMD_DEBUG_CLEAR 32806
