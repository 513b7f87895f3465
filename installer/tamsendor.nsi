; The installer of Korvalin Tamsendor: per machine, into Program Files, 64-bit Windows only (a
; 64-bit setup program itself).
; The build passes VERSION (a.b.c.d), BIN (the folder of tamsendor.exe, Help.pdf and
; tamsendor_setup_access.exe), DEMOS (the folder of the shipped demos) and OUTFILE.
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include x64.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "Korvalin Tamsendor"
!define PUBLISHER "Korvalin"
!define PRODUCT_KEY "SOFTWARE\Korvalin\Quillax"
!define MAKER_KEY "SOFTWARE\Korvalin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvalin Tamsendor"
!define START_MENU_LINK "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An upgrade goes where the installed copy is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\tamsendor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Korvalin Tamsendor"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "${PRODUCT} needs a 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${BIN}/tamsendor.exe"
  File "${BIN}/tamsendor_update.exe"
  File "${BIN}/tamsendor-results.exe"
  File "${BIN}/Help.pdf"
  File "${DEMOS}/qordemo1.dem"
  File "${DEMOS}/qordemo2.dem"

  ; The product key and the results folder, writable for the program without administrator
  ; rights. An upgrade keeps the key and its stored choices as they are.
  InitPluginsDir
  File "/oname=$PLUGINSDIR\tamsendor_setup_access.exe" "${BIN}/tamsendor_setup_access.exe"
  ExecWait '"$PLUGINSDIR\tamsendor_setup_access.exe" "$INSTDIR\Benchmark"' $0
  ${If} $0 != 0
    MessageBox MB_ICONSTOP "Setup could not prepare the program's settings and its Benchmark folder (error $0)." /SD IDOK
    Abort
  ${EndIf}

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${START_MENU_LINK}" "$INSTDIR\tamsendor.exe" "" "" 0 SW_SHOWNORMAL "" \
    "Benchmark Half-Life 2: Episode Two"

  ; Apps & Features.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\tamsendor.exe"
  Delete "$INSTDIR\tamsendor_update.exe"
  Delete "$INSTDIR\tamsendor-results.exe"
  Delete "$INSTDIR\Help.pdf"
  Delete "$INSTDIR\qordemo1.dem"
  Delete "$INSTDIR\qordemo2.dem"
  Delete "${START_MENU_LINK}"

  ; The reports are the user's: they go only when the user says so (a silent uninstall keeps
  ; them). The folder goes when it is empty.
  ClearErrors
  FindFirst $0 $1 "$INSTDIR\Benchmark\*.*"
  StrCpy $2 ""
  ${DoWhile} $1 != ""
    ${If} $1 != "."
    ${AndIf} $1 != ".."
      StrCpy $2 "has reports"
    ${EndIf}
    FindNext $0 $1
  ${Loop}
  FindClose $0
  ${If} $2 != ""
    MessageBox MB_YESNO|MB_ICONQUESTION "Delete the benchmark reports in $INSTDIR\Benchmark as well?" /SD IDNO IDNO keep_reports
    RMDir /r "$INSTDIR\Benchmark"
  keep_reports:
  ${EndIf}
  RMDir "$INSTDIR\Benchmark"

  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${PRODUCT_KEY}"
  DeleteRegKey /ifempty HKLM "${MAKER_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
