; The per-user installer of Mossleaf 4, made by cmake/MakeSetup.cmake, which
; defines DIST (the program folder), OUTFILE, ICON, NOTICES, ESTIMATED_KB and
; FILES (an include file that installs each file of DIST and, as
; UninstallFiles, removes each one again).
;
; No administrator: it installs into the user's own programs folder, which the
; user can write, so the book the program keeps beside itself can be saved.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
!include "MUI2.nsh"
!include "LogicLib.nsh"

!define NAME "Mossleaf 4"
!define EXE "Mossleaf4.exe"
!define PUBLISHER "The Mossleaf 4 authors"
!define UNINSTALLER "Uninstall Mossleaf 4.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mossleaf4"
!getdllversion "${DIST}\${EXE}" VERSION_
!define VERSION "${VERSION_1}.${VERSION_2}"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
; A reinstall goes where the first install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME}, version ${VERSION}"
VIProductVersion "${VERSION_1}.${VERSION_2}.${VERSION_3}.${VERSION_4}"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "This will install ${NAME}, a sticker book for children, for you alone on this computer.$\r$\n$\r$\nIt needs no administrator rights. The book your child makes is kept in the program's folder, and stays there when you install again.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_HEADER_TEXT "Notices"
!define MUI_PAGE_HEADER_SUBTEXT "The work of others that ${NAME} is made with, and its licences."
!define MUI_INNERTEXT_LICENSE_TOP "Press Page Down to read all the notices."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Nothing here asks anything of you: click Next to go on."
!define MUI_LICENSEPAGE_BUTTON "&Next >"
!insertmacro MUI_PAGE_LICENSE "${NOTICES}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${NAME} now"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!include "${FILES}"

; A running program holds its files open: neither an install nor an uninstall
; could replace or remove them. Retry looks again once the user has quit it.
!macro RefuseWhileRunning
  ${Do}
    FindWindow $0 "ZEPClass04"
    ${IfThen} $0 == 0 ${|} ${Break} ${|}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${NAME} is running. Quit it, then click Retry." /SD IDCANCEL IDRETRY +2
    Abort
  ${Loop}
!macroend

Function .onInit
  !insertmacro RefuseWhileRunning
FunctionEnd

Function un.onInit
  !insertmacro RefuseWhileRunning
FunctionEnd

Section "${NAME} (program and Start-menu shortcut)" SecProgram
  SectionIn RO
  AddSize ${ESTIMATED_KB}
  SetShellVarContext current
  ; A book started while the pages were shown would make the copy fail.
  !insertmacro RefuseWhileRunning
  Call InstallFiles
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ; The program keeps its book beside itself: start it in its own folder.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${ESTIMATED_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Desktop shortcut" SecDesktop
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${NAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$DESKTOP\${NAME}.lnk"
  Call un.UninstallFiles
  Delete "$INSTDIR\${UNINSTALLER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The book is the child's work: it goes only when asked (a silent
  ; uninstall keeps it).
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Remove your child's sticker book too?$\r$\n$\r$\nAnswer No to keep it in $INSTDIR: installing ${NAME} there again brings it back." \
    /SD IDNO IDNO keep
  Delete "$INSTDIR\options04.dta"
  Delete "$INSTDIR\options04.dta.tmp"
  Delete "$INSTDIR\save004\page00.sav"
  Delete "$INSTDIR\save004\page00.sav.tmp"
  Delete "$INSTDIR\save004\page01.sav"
  Delete "$INSTDIR\save004\page01.sav.tmp"
  Delete "$INSTDIR\save004\page02.sav"
  Delete "$INSTDIR\save004\page02.sav.tmp"
  RMDir "$INSTDIR\save004"
keep:
  ; Only empty folders go: whatever else is there is not ours.
  RMDir "$INSTDIR"
SectionEnd
