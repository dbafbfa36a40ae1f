; The Tidewell installer and its uninstaller. scripts/release builds it with makensis:
;   /DTARGET=x86-unicode (the release) or amd64-unicode (the tests run that one under wine64)
;   /DFILES_NSH=...     the generated list of the program files (PROGRAM_STAGE, the folder
;                       they are in, and the macro ForEachProgramFile), so the zip and the
;                       installer ship the same files
;   /DOUTFILE=...  /DFILE_VERSION=2.4.3.1  /DPRODUCT_VERSION="2.4 release 3"
;   /DCOMPRESSOR=zlib   quicker packages for the tests (default lzma)
!macro RequireDefine NAME
  !ifndef ${NAME}
    !error "scripts/release passes /D${NAME}=..."
  !endif
!macroend
!insertmacro RequireDefine TARGET
!insertmacro RequireDefine FILES_NSH
!insertmacro RequireDefine OUTFILE
!insertmacro RequireDefine FILE_VERSION
!insertmacro RequireDefine PRODUCT_VERSION
Target ${TARGET}
!define /ifndef COMPRESSOR lzma
SetCompressor /SOLID ${COMPRESSOR}

!include MUI2.nsh
!include LogicLib.nsh
!include WinMessages.nsh
!include x64.nsh
!include "${FILES_NSH}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tidewell"
!define UNINSTALLER "uninstall.exe"
; What the running program may have left on the system (its desktop switches and the deferred
; wash): the same names the program uses.
!define TOOLBAR_KEY "Software\Microsoft\Internet Explorer\Extensions\{B8A01A8F-6FE9-11db-9125-00105AA09764}"
!define START_ENTRY_KEY "Software\Microsoft\Windows\CurrentVersion\RunOnce"
!define START_ENTRY_VALUE "Nimbo Action"
!define PROGRAM_SHORTCUT "Tidewell.LNK"
!define MAIN_WINDOW_CLASS "Tidewell"

Name "Tidewell"
Caption "Tidewell ${PRODUCT_VERSION} Setup"
UninstallCaption "Tidewell Uninstall"
OutFile "${OUTFILE}"
; Program Files and HKLM: the 64-bit build of this script is a 64-bit process, so both are the
; native ones there; the 32-bit build gets the 32-bit views, as the 32-bit program does.
InstallDir "$PROGRAMFILES\Tidewell"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "Tidewell"
VIAddVersionKey "ProductVersion" "${PRODUCT_VERSION}"
VIAddVersionKey "FileVersion" "${FILE_VERSION}"
VIAddVersionKey "FileDescription" "Tidewell privacy cleaner setup"
VIAddVersionKey "LegalCopyright" ""

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Ends a running Tidewell the way a second start with "uninstall" does (WM_CLOSE to its window
; class) and waits for its process, so its files can be replaced or removed and it writes its
; settings before they are touched. A wash in progress refuses the close: then ask to retry.
!macro DefineEndRunningTidewell PREFIX
Function ${PREFIX}EndRunningTidewell
  Push $0
  Push $1
  Push $2
again:
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 <> 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'  ; SYNCHRONIZE
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=10000
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 20000) i .r1'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${Else}
      Sleep 2000
    ${EndIf}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 <> 0
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Tidewell is still running (a wash may be in progress).$\r$\nLet it finish or quit it, then choose Retry." \
        /SD IDCANCEL IDRETRY again
      SetErrorLevel 2
      Abort "Tidewell is still running."
    ${EndIf}
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro DefineEndRunningTidewell ""
!insertmacro DefineEndRunningTidewell "un."

; Deletes a file that a process ending a moment ago (regsvr32) may still hold. One still held
; after a few seconds (the hook library stays loaded in the processes it hooked until they let
; it go) is removed when Windows restarts.
!macro RemoveHeldFile PATH
  !define /ifndef RemoveHeldFile_Id 0
  !define /redef /math RemoveHeldFile_Id ${RemoveHeldFile_Id} + 1
  StrCpy $R9 0
  remove_held_${RemoveHeldFile_Id}:
  ClearErrors
  Delete "${PATH}"
  ${If} ${Errors}
  ${AndIf} ${FileExists} "${PATH}"
  ${AndIf} $R9 < 20
    IntOp $R9 $R9 + 1
    Sleep 250
    Goto remove_held_${RemoveHeldFile_Id}
  ${EndIf}
  ${If} ${FileExists} "${PATH}"
    DetailPrint "${PATH} is in use: Windows removes it when it restarts."
    Delete /REBOOTOK "${PATH}"
  ${EndIf}
!macroend

; One program file, from the staged program folder. An old copy that is still loaded somewhere
; cannot be overwritten, but it can be moved aside (and goes at the next restart).
!macro InstallProgramFile NAME
  ${If} ${FileExists} "$INSTDIR\${NAME}"
    ClearErrors
    Delete "$INSTDIR\${NAME}"
    ${If} ${Errors}
      Delete "$INSTDIR\${NAME}.old"
      Rename "$INSTDIR\${NAME}" "$INSTDIR\${NAME}.old"
      Delete /REBOOTOK "$INSTDIR\${NAME}.old"
    ${EndIf}
  ${EndIf}
  File "${PROGRAM_STAGE}\${NAME}"
!macroend

!macro RemoveProgramFile NAME
  !insertmacro RemoveHeldFile "$INSTDIR\${NAME}"
  ${If} ${FileExists} "$INSTDIR\${NAME}.old"
    Delete /REBOOTOK "$INSTDIR\${NAME}.old"
  ${EndIf}
!macroend

Section "Tidewell"
  SetShellVarContext all
  Call EndRunningTidewell
  SetOutPath "$INSTDIR"
  !insertmacro ForEachProgramFile InstallProgramFile
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "$SMPROGRAMS\Tidewell.lnk" "$INSTDIR\Tidewell.exe" "" "$INSTDIR\Tidewell.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tidewell ${PRODUCT_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${FILE_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tidewell"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tidewell.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ; Quoted, so the program's "uninstall" hand-off takes the path with its blanks as the program.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${PROGRAM_FILES_KB}
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Call un.EndRunningTidewell

  ; The context-menu handler: the program registers it while it runs.
  ${If} ${FileExists} "$INSTDIR\NimboAction.dll"
    ExecWait '"$SYSDIR\regsvr32.exe" /u /s "$INSTDIR\NimboAction.dll"'
  ${EndIf}
  ${If} ${RunningX64}
  ${AndIf} ${FileExists} "$INSTDIR\NimboAction64.dll"
    ${DisableX64FSRedirection}
    ExecWait '"$SYSDIR\regsvr32.exe" /u /s "$INSTDIR\NimboAction64.dll"'
    ${EnableX64FSRedirection}
  ${EndIf}

  ; What the program's switches and its deferred wash may have left.
  SetFileAttributes "$DESKTOP\${PROGRAM_SHORTCUT}" NORMAL
  Delete "$DESKTOP\${PROGRAM_SHORTCUT}"
  SetFileAttributes "$SMSTARTUP\${PROGRAM_SHORTCUT}" NORMAL
  Delete "$SMSTARTUP\${PROGRAM_SHORTCUT}"
  DeleteRegKey HKLM "${TOOLBAR_KEY}"
  DeleteRegValue HKLM "${START_ENTRY_KEY}" "${START_ENTRY_VALUE}"
  Delete "$INSTDIR\nimboaction.tsk"
  ; Windows Vista and later keep what a Tidewell without administrator rights wrote beside
  ; itself in that user's VirtualStore folder: this user's copies are Tidewell's too.
  SetShellVarContext current
  StrCpy $R1 "$INSTDIR" "" 3
  StrCpy $R1 "$LOCALAPPDATA\VirtualStore\$R1"
  SetShellVarContext all
  Delete "$R1\nimboaction.tsk"

  ; What the installer wrote.
  !insertmacro ForEachProgramFile RemoveProgramFile
  Delete "$SMPROGRAMS\Tidewell.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The settings and the activity log stay unless the user asks (a silent uninstall keeps them,
  ; so a later install finds them again).
  ${If} ${FileExists} "$INSTDIR\tidewell.ini"
  ${OrIf} ${FileExists} "$INSTDIR\tidewell.log"
  ${OrIf} ${FileExists} "$R1\tidewell.ini"
  ${OrIf} ${FileExists} "$R1\tidewell.log"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Remove Tidewell's settings (tidewell.ini) and its activity log (tidewell.log) too?" \
      /SD IDNO IDNO keep_settings
    Delete "$INSTDIR\tidewell.ini"
    Delete "$INSTDIR\tidewell.log"
    Delete "$R1\tidewell.ini"
    Delete "$R1\tidewell.log"
  keep_settings:
  ${EndIf}
  RMDir "$R1"

  Delete "$INSTDIR\${UNINSTALLER}"
  ; Not recursive: skin pictures of the user's own in "I\" stay, and so does the folder then.
  ${If} ${RebootFlag}
    RMDir /REBOOTOK "$INSTDIR"
  ${Else}
    RMDir "$INSTDIR"
  ${EndIf}
  SetAutoClose true
SectionEnd
