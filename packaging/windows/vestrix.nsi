; The Vestrix installer: the two programs, the shipped files and the sample kits into Program Files
; (bin\, share\vestrix\, samples\; the program then keeps each user's files in their own folder),
; a Start-menu entry, the FIFA jersey file type (.fsh) offered to Vestrix, and an uninstaller in the
; system's list of programs. `/S` installs and uninstalls without a window.
;
; makensis -DVERSION=x.y.z -DOUTFILE=... -DINSTALLED_FILES=... -DREMOVED_FILES=... -DICON=...
;          -DSIDE_PICTURE=... vestrix.nsi
; INSTALLED_FILES and REMOVED_FILES are the build's lists of File and Delete lines.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Vestrix"
!define PUBLISHER "Tavrimel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vestrix"
!define PROG_ID "Vestrix.Jersey"
!define APP_KEY "Software\Classes\Applications\vestrix.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; A later installer finds the folder an earlier one used.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; Program Files and the machine's file types need an administrator; each user's own files live in
; their %LOCALAPPDATA%\Vestrix, which the program makes itself.
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Vestrix turns FIFA 99 jerseys into FIFA 2000 jerseys.$\r$\n$\r$\nThis will install Vestrix ${VERSION} and its command-line converter.$\r$\n$\r$\nClick Next to continue."
; Started through Explorer, so that it runs as the user, not with the installer's rights.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsUser
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\share\vestrix\readme.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running program keeps its file open: Windows lets nobody write to it or remove it until it
; ends, so an installer would leave the old program half replaced and an uninstaller would take
; everything else away and leave the program behind. Before either changes a thing, each program
; of this installation is tried for writing without sharing: a sharing violation (error 32) means
; it runs. A missing or write-protected file is no running program.
!macro PROGRAMS_CLOSED PREFIX
Function ${PREFIX}InUse
    Exch $0
    Push $1
    Push $2
    System::Call 'kernel32::CreateFileW(w r0, i 0x40000000, i 0, p 0, i 3, i 0x80, p 0) p .r1 ?e'
    Pop $2
    ${If} $1 P<> -1
        System::Call 'kernel32::CloseHandle(p r1)'
        StrCpy $0 0
    ${ElseIf} $2 = 32
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
    ${EndIf}
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Asks until both programs are closed. Cancel, and any run without a window (/S), where nobody
; could close them, stops with error level 2 before anything is changed.
Function ${PREFIX}ProgramsClosed
    Exch $0
    Push $1
    Push $2
    check:
        Push "$INSTDIR\bin\vestrix.exe"
        Call ${PREFIX}InUse
        Pop $1
        Push "$INSTDIR\bin\vestrix-convert.exe"
        Call ${PREFIX}InUse
        Pop $2
        ${If} $1 = 0
        ${AndIf} $2 = 0
            Goto closed
        ${EndIf}
        DetailPrint "${PRODUCT} is running from $INSTDIR\bin"
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running from $INSTDIR\bin.$\r$\n$\r$\nPlease close ${PRODUCT} (and vestrix-convert, if a conversion is running), then click Retry.$\r$\n$\r$\n$0" /SD IDCANCEL IDRETRY check
        SetErrorLevel 2
        Abort "${PRODUCT} is running: nothing was changed."
    closed:
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro PROGRAMS_CLOSED ""
!insertmacro PROGRAMS_CLOSED "un."

Function StartAsUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\bin\vestrix.exe"'
FunctionEnd

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Vestrix"
    SetShellVarContext all
    Push "Cancel stops the installation; nothing has been changed."
    Call ProgramsClosed
    !include "${INSTALLED_FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\bin\vestrix.exe" "" "$INSTDIR\bin\vestrix.exe" 0

    ; The jersey file type. FSH files belong to many EA games and their tools: the double click is
    ; taken only when no other program has it; "Open with" always offers Vestrix.
    WriteRegStr HKLM "Software\Classes\${PROG_ID}" "" "FIFA jersey"
    WriteRegStr HKLM "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\bin\vestrix.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\bin\vestrix.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\.fsh\OpenWithProgids" "${PROG_ID}" ""
    ReadRegStr $0 HKLM "Software\Classes\.fsh" ""
    ${If} $0 == ""
        WriteRegStr HKLM "Software\Classes\.fsh" "" "${PROG_ID}"
    ${EndIf}
    WriteRegStr HKLM "${APP_KEY}" "FriendlyAppName" "${PRODUCT}"
    WriteRegStr HKLM "${APP_KEY}\SupportedTypes" ".fsh" ""
    WriteRegStr HKLM "${APP_KEY}\shell\open\command" "" '"$INSTDIR\bin\vestrix.exe" "%1"'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\vestrix.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; Explorer shows the new file type at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    ; Only what the installer put there: anything else somebody saved into the folder stays, and
    ; so does the folder then. Each user's %LOCALAPPDATA%\Vestrix is theirs and is never touched.
    Push "Cancel leaves ${PRODUCT} installed as it is."
    Call un.ProgramsClosed
    !include "${REMOVED_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR\bin"
    RMDir "$INSTDIR\share\vestrix"
    RMDir "$INSTDIR\share"
    RMDir "$INSTDIR\samples"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    ReadRegStr $0 HKLM "Software\Classes\.fsh" ""
    ${If} $0 == "${PROG_ID}"
        DeleteRegValue HKLM "Software\Classes\.fsh" ""
    ${EndIf}
    DeleteRegValue HKLM "Software\Classes\.fsh\OpenWithProgids" "${PROG_ID}"
    DeleteRegKey /ifempty HKLM "Software\Classes\.fsh\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "Software\Classes\.fsh"
    DeleteRegKey HKLM "Software\Classes\${PROG_ID}"
    DeleteRegKey HKLM "${APP_KEY}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
