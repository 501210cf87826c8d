; The installer of the program, built by cmake/Installer.cmake with makensis, which
; defines VERSION, PRODUCT, PUBLISHER, DIST_DIR (the install layout), FILES_NSH (the
; layout's file list as macros), ICON and OUT_FILE.
;
; Command-line switches (besides NSIS's own /S and /D=<folder>):
;   setup.exe /STARTUP          selects "Start with Windows" (also in a silent install)
;   uninstall.exe /REMOVESETTINGS  removes config.bin and str.ini too; without it a silent
;                               uninstall keeps them, an interactive one asks
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh
!include "${FILES_NSH}"

!define EXE "QV318_Driver.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QV318_Driver"
!define TASK_NAME "QV318 Driver"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define MAIN_WINDOW_CLASS "QV318-207GMClass"
!define EXIT_COMMAND 1028  ; the tray menu's Exit (kExitCommand in src/app/win32/velmo_dlg.h)

; A running copy may hold settings the user has not applied yet: an interactive setup asks
; before it ends it (Cancel leaves it running and quits), a silent one goes on.
!macro AskToEndRunningProgram
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 != 0
    MessageBox MB_OKCANCEL|MB_ICONQUESTION "${PRODUCT} is running. It will be closed to go on; settings not yet applied in its window will be lost.$\r$\n$\r$\nClose ${PRODUCT} and go on?" /SD IDOK IDOK +2
    Quit
  ${EndIf}
!macroend

; A running copy (it starts with Windows) holds its exe open: ask it to exit as the tray
; menu's Exit does, and wait a bounded time for it to be gone. $WasRunning says whether it ran.
!macro EndRunningProgram
  StrCpy $WasRunning 0
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 != 0
    StrCpy $WasRunning 1
    DetailPrint "Ending the running ${PRODUCT}"
    SendMessage $0 ${WM_COMMAND} ${EXIT_COMMAND} 0 /TIMEOUT=5000
    ${For} $1 1 50
      Sleep 200
      FindWindow $0 "${MAIN_WINDOW_CLASS}"
      ${IfThen} $0 == 0 ${|} ${ExitFor} ${|}
    ${Next}
    Sleep 500  ; the window goes first, the process and its exe's handle right after
  ${EndIf}
!macroend

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\QV318_Driver"
; An upgrade goes where the last installation went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var KeepSettings
Var WasRunning

Section "${PRODUCT} (required)" SecProgram
  SectionIn RO
  !insertmacro EndRunningProgram
  SetOutPath "$INSTDIR"
  !insertmacro QV_INSTALL_FILES
  ; The user's settings survive an upgrade: only a missing file is installed.
  SetOverwrite off
  File "${DIST_DIR}/config.bin"
  File "${DIST_DIR}/str.ini"
  SetOverwrite on
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  SetShellVarContext all
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; A silent upgrade puts back the program it ended; an interactive one offers it on the
; finish page.
Section "-RestartProgram"
  ${If} ${Silent}
  ${AndIf} $WasRunning == 1
    Exec '"$INSTDIR\${EXE}"'
  ${EndIf}
SectionEnd

; The program asks for administrator rights, so a Run key would be refused at every logon;
; a scheduled task at logon with the highest privileges starts it without a prompt.
Section /o "Start with Windows" SecStartup
  InitPluginsDir
  StrCpy $0 "$PLUGINSDIR\start-with-windows.xml"
  Call WriteLogonTaskXml
  nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Create /F /TN "${TASK_NAME}" /XML "$0"'
  Pop $1
  ${If} $1 != 0
    DetailPrint "schtasks /Create failed ($1)"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "StartWithWindows" 0
  ${Else}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "StartWithWindows" 1
  ${EndIf}
SectionEnd

; An upgrade that leaves "Start with Windows" unticked removes an earlier task.
Section "-StartupOff"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Delete /F /TN "${TASK_NAME}"'
    Pop $1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "StartWithWindows" 0
  ${EndIf}
SectionEnd

; The task for schtasks /XML, UTF-16LE with a byte-order mark, into the file named by $0:
; at any user's logon, in that user's session, with the highest privileges it has.
Function WriteLogonTaskXml
  FileOpen $9 "$0" w
  FileWriteWord $9 0xFEFF
  FileWriteUTF16LE $9 '<?xml version="1.0" encoding="UTF-16"?>$\r$\n'
  FileWriteUTF16LE $9 '<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">$\r$\n'
  FileWriteUTF16LE $9 '  <RegistrationInfo><Description>Starts ${PRODUCT} in the notification area at logon.</Description></RegistrationInfo>$\r$\n'
  FileWriteUTF16LE $9 '  <Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>$\r$\n'
  FileWriteUTF16LE $9 '  <Principals><Principal id="Users"><GroupId>S-1-5-32-545</GroupId><RunLevel>HighestAvailable</RunLevel></Principal></Principals>$\r$\n'
  FileWriteUTF16LE $9 '  <Settings><MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy><DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries><StopIfGoingOnBatteries>false</StopIfGoingOnBatteries><ExecutionTimeLimit>PT0S</ExecutionTimeLimit><Enabled>true</Enabled></Settings>$\r$\n'
  FileWriteUTF16LE $9 '  <Actions Context="Users"><Exec><Command>"$INSTDIR\${EXE}"</Command><WorkingDirectory>$INSTDIR</WorkingDirectory></Exec></Actions>$\r$\n'
  FileWriteUTF16LE $9 '</Task>$\r$\n'
  FileClose $9
FunctionEnd

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro AskToEndRunningProgram
  ; An upgrade offers the choice made last time.
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "StartWithWindows"
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/STARTUP" $2
  ${IfNot} ${Errors}
  ${OrIf} $0 == 1
    !insertmacro SelectSection ${SecStartup}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro AskToEndRunningProgram
  StrCpy $KeepSettings 1
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/REMOVESETTINGS" $2
  ${IfNot} ${Errors}
    StrCpy $KeepSettings 0
  ${Else}
    MessageBox MB_YESNO|MB_ICONQUESTION "Keep your settings (config.bin and str.ini) for a later installation?" /SD IDYES IDYES +2
    StrCpy $KeepSettings 0
  ${EndIf}
FunctionEnd

Section "Uninstall"
  !insertmacro EndRunningProgram
  nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Delete /F /TN "${TASK_NAME}"'
  Pop $1
  SetShellVarContext all
  Delete "${SHORTCUT}"
  !insertmacro QV_UNINSTALL_FILES
  ; Left by a save that was cut short; never a setting of its own.
  Delete "$INSTDIR\config.bin.new"
  Delete "$INSTDIR\str.ini.new"
  ${If} $KeepSettings == 0
    Delete "$INSTDIR\config.bin"
    Delete "$INSTDIR\str.ini"
    ; The mark of a write to the mouse that did not finish goes with the settings it names.
    Delete "$INSTDIR\config.unfinished"
  ${EndIf}
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
