; Pairwick's Windows setup, built by make_installer.sh, which passes
;   VERSION  x.y.z          STAGE  the unpacked player's zip
;   FILES    its file list  ICON   the program's icon      OUTFILE  the setup to write
;   TEXTS    the setup's texts in every language (texts.py)
;
; It installs for the current player alone: no administrator prompt, and a folder of the
; player's own, because the game keeps its scores, options and saved games in its working
; directory, which the shortcuts make the install folder.
;
; Everything the setup creates is written down in installed-files.txt as it goes, and the
; uninstaller removes what that list names, as far as the setup could have written it.
; Whatever else is in the folder is the player's.

Unicode true
; The game is 64-bit only, and so is the setup, which can then run wherever the game can.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh

!define PUBLISHER "The Pairwick developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pairwick"
!define LIST "installed-files.txt"
!define UNINSTALLER "uninstall.exe"
!define MENU_LINK "$SMPROGRAMS\Pairwick.lnk"
!define WINDOW_LINK "$SMPROGRAMS\Pairwick (window).lnk"
!define DESKTOP_LINK "$DESKTOP\Pairwick.lnk"

Name "Pairwick ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Pairwick"
; A new version goes where the last one is, with the player's files.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Pairwick ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Pairwick"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Pairwick ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}, MIT License"
VIAddVersionKey /LANG=1033 "OriginalFilename" "Pairwick-${VERSION}-setup.exe"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "$(welcome)"
!insertmacro MUI_PAGE_WELCOME
; The licence asks nothing of the player, so the page only shows it.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(licence_bottom)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(finish_run)"
!define MUI_FINISHPAGE_RUN_FUNCTION start_game
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(uninstall_top)"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Each language the game speaks, with the setup's texts in it. The setup speaks the player's
; where it has it, English otherwise, and asks nothing.
!include "${TEXTS}"

Var list  ; the open installed-files.txt while the sections run

!macro record kind what
  FileWriteUTF16LE $list "${kind} ${what}$\r$\n"
!macroend

; files.nsh serves twice: the section installs what it names, and with NAMES_ONLY defined
; it tests a line of the list (kind $2, name $1), setting $3 to 1 where the line names
; exactly one of its files or folders.
; Each file goes into the output path, which put_in sets to its folder before it.
!macro put_in folder
  !ifndef NAMES_ONLY
    !if "${folder}" == ""
      SetOutPath "$INSTDIR"
    !else
      SetOutPath "$INSTDIR\${folder}"
    !endif
  !endif
!macroend

!macro named kind relative
  ${If} $2 S== "${kind}"
  ${AndIf} $1 S== "${relative}"
    StrCpy $3 1
  ${EndIf}
!macroend

; Written down before it is made: an install that stops halfway can still be removed.
!macro put_file source relative
  !ifdef NAMES_ONLY
    !insertmacro named file "${relative}"
  !else
    !insertmacro record file "${relative}"
    File "${STAGE}/${source}"
  !endif
!macroend

!macro put_folder relative
  !ifdef NAMES_ONLY
    !insertmacro named folder "${relative}"
  !else
    !insertmacro record folder "${relative}"
  !endif
!macroend

!macro put_link link arguments description
  !insertmacro record link "${link}"
  ; The working directory of a shortcut is the output path at the time it is made.
  SetOutPath "$INSTDIR"
  CreateShortcut "${link}" "$INSTDIR\Pairwick.exe" "${arguments}" "$INSTDIR\Pairwick.exe" 0 \
    SW_SHOWNORMAL "" "${description}"
!macroend

; $3 becomes 0 where path is a reparse point ($7 is overwritten).
!macro not_a_reparse_point path
  System::Call 'kernel32::GetFileAttributesW(w "${path}") i .r7'
  ${If} $7 <> -1  ; INVALID_FILE_ATTRIBUTES: nothing there
    IntOp $7 $7 & 0x400  ; FILE_ATTRIBUTE_REPARSE_POINT
    ${IfThen} $7 <> 0 ${|} StrCpy $3 0 ${|}
  ${EndIf}
!macroend

; Removes what installed-files.txt names and then the list: files and shortcuts, the
; registry key, and the folders once they are empty, never anything else. The installer
; runs it too, on an earlier install. It knows only this version's names, so a file that an
; older version shipped and this one does not would stay; no version so far has dropped one.
!macro define_remove_listed prefix
; The list lies in a folder the player writes in, so a line is followed only where the setup
; could have written it ($3 is 1 then; $2 is the kind, $1 what the line names): exactly one
; of the files or folders of files.nsh (Windows' file search takes more characters as
; wildcards than a guard would know), the uninstaller, the key or the three shortcuts.
Function ${prefix}ours
  StrCpy $3 0
  !define NAMES_ONLY
  !include "${FILES}"
  !undef NAMES_ONLY
  !insertmacro named file "${UNINSTALLER}"
  !insertmacro named key "${UNINSTALL_KEY}"
  !insertmacro named link "${MENU_LINK}"
  !insertmacro named link "${WINDOW_LINK}"
  !insertmacro named link "${DESKTOP_LINK}"
  ${If} $3 == 1
    Call ${prefix}not_through_links
  ${EndIf}
FunctionEnd

; A junction or a symbolic link leads out of the folder, to what is not ours: $3 becomes 0
; where one is what the line names or a folder on its way there.
Function ${prefix}not_through_links
  Push $4
  Push $5
  Push $6
  Push $7
  ${If} $2 == "link"
    !insertmacro not_a_reparse_point "$1"
  ${Else}
    StrLen $6 $1
    ${For} $5 1 $6
      StrCpy $4 $1 1 $5
      ${If} $4 == "\"
      ${OrIf} $5 == $6
        StrCpy $4 $1 $5
        !insertmacro not_a_reparse_point "$INSTDIR\$4"
      ${EndIf}
    ${Next}
  ${EndIf}
  Pop $7
  Pop $6
  Pop $5
  Pop $4
FunctionEnd

Function ${prefix}remove_listed
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6
  StrCpy $4 0  ; the listed files and shortcuts that could not be removed
  StrCpy $5 0  ; the key and the uninstaller's own file, where listed
  StrCpy $6 0
  ClearErrors
  FileOpen $0 "$INSTDIR\${LIST}" r
  ${IfNot} ${Errors}
    ${Do}
      ClearErrors
      FileReadUTF16LE $0 $1
      ${If} ${Errors}
        ${Break}
      ${EndIf}
      ${Do}
        StrCpy $2 $1 1 -1
        ${If} $2 != "$\r"
        ${AndIf} $2 != "$\n"
          ${Break}
        ${EndIf}
        StrCpy $1 $1 -1
      ${Loop}
      ${If} $1 == ""
        ${Continue}
      ${EndIf}
      ; The kind is the first word, what it names the rest of the line.
      StrCpy $3 0
      ${Do}
        StrCpy $2 $1 1 $3
        ${If} $2 == " "
        ${OrIf} $2 == ""
          ${Break}
        ${EndIf}
        IntOp $3 $3 + 1
      ${Loop}
      StrCpy $2 $1 $3
      IntOp $3 $3 + 1
      StrCpy $1 $1 "" $3
      Call ${prefix}ours
      ${If} $3 != 1
        DetailPrint "$(not_ours)"
      ${ElseIf} $2 == "folder"
        RMDir "$INSTDIR\$1"
!if "${prefix}" == "un."
      ; The uninstaller and its key go last, once all else has: what could not be removed
      ; can then be uninstalled again.
      ${ElseIf} $2 == "key"
        StrCpy $5 1
      ${ElseIf} $1 S== "${UNINSTALLER}"
        StrCpy $6 1
!else
      ${ElseIf} $2 == "key"
        DeleteRegKey HKCU "$1"
!endif
      ${Else}
        ${IfThen} $2 == "file" ${|} StrCpy $1 "$INSTDIR\$1" ${|}
        Delete "$1"
        ${If} ${FileExists} "$1"
          DetailPrint "$(not_removed)"
          IntOp $4 $4 + 1
        ${EndIf}
      ${EndIf}
    ${Loop}
    FileClose $0
    ; A list that names what is left stays, for the next uninstall or setup to follow.
    ${If} $4 == 0
      ${IfThen} $6 == 1 ${|} Delete "$INSTDIR\${UNINSTALLER}" ${|}
      ${IfThen} $5 == 1 ${|} DeleteRegKey HKCU "${UNINSTALL_KEY}" ${|}
      Delete "$INSTDIR\${LIST}"
    ${Else}
      DetailPrint "$(list_kept)"
    ${EndIf}
  ${EndIf}
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro define_remove_listed ""
!insertmacro define_remove_listed "un."

; A running game's exe can be neither replaced nor deleted: the player closes it first, or
; the setup stops before it has changed anything. Opening for appending makes a file that is
; not there, so only an exe that is there is tried.
!macro define_game_closed prefix
Function ${prefix}game_closed
  Push $0
  ${Do}
    ${IfNot} ${FileExists} "$INSTDIR\Pairwick.exe"
      ${Break}
    ${EndIf}
    ClearErrors
    FileOpen $0 "$INSTDIR\Pairwick.exe" a
    ${IfNot} ${Errors}
      FileClose $0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(running_retry)" /SD IDCANCEL IDRETRY retry
    Abort "$(running)"
    retry:
  ${Loop}
  Pop $0
FunctionEnd
!macroend
!insertmacro define_game_closed ""
!insertmacro define_game_closed "un."

; Moves the player's file $2 from the earlier install's folder $0 to this one's, $1, unless
; this one already holds one: the player's own there is never replaced. A file that stays
; behind is said in the details, and never deleted.
Function carry
  ${If} ${FileExists} "$0\$2"
    ${If} ${FileExists} "$1\$2"
      DetailPrint "$(not_carried_own)"
    ${Else}
      ClearErrors
      Rename "$0\$2" "$1\$2"
      ${IfThen} ${Errors} ${|} DetailPrint "$(not_carried)" ${|}
    ${EndIf}
  ${EndIf}
FunctionEnd

; Nothing of an earlier install goes before this one's folder is made and written in: a
; folder that cannot take the install leaves the earlier one as it was. The list is only
; opened there, since an earlier install's list in it is still to be read.
Function take_folder
  Push $0
  CreateDirectory "$INSTDIR"
  ClearErrors
  FileOpen $0 "$INSTDIR\${LIST}" a
  ${If} ${Errors}
    Abort "$(cannot_write)"
  ${EndIf}
  FileClose $0
  Pop $0
FunctionEnd

; An install in another folder shares the Start-menu entries and the key with this one, so
; it goes first: uninstalled later, it would take this one's along. The player's scores,
; options and saved games come along to this folder, where the shortcuts will start the game.
Function remove_earlier
  Push $0
  Push $1
  Push $2
  Push $3
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  StrCpy $1 $INSTDIR
  ${IfThen} $0 == $1 ${|} StrCpy $0 "" ${|}
  ${If} $0 != ""
    StrCpy $INSTDIR $0
    Call game_closed
    StrCpy $INSTDIR $1
  ${EndIf}
  Call take_folder
  ${If} $0 != ""
    StrCpy $INSTDIR $0
    Call remove_listed
    StrCpy $2 "scores.dat"
    Call carry
    StrCpy $2 "options.ini"
    Call carry
    ${For} $3 1 5
      StrCpy $2 "save$3.dat"
      Call carry
    ${Next}
    ; The game's lock on the table holds nothing, and would keep the folder for good.
    Delete "$INSTDIR\scores.dat.lock"
    RMDir "$INSTDIR"
    StrCpy $INSTDIR $1
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

Section "Pairwick" section_game
  SectionIn RO
  Call game_closed
  Call remove_earlier
  Call remove_listed
  ClearErrors
  FileOpen $list "$INSTDIR\${LIST}" w
  ${If} ${Errors}
    Abort "$(cannot_write)"
  ${EndIf}

  !insertmacro record file "${UNINSTALLER}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  !include "${FILES}"

  !insertmacro put_link "${MENU_LINK}" "" "$(link_full_screen)"
  !insertmacro put_link "${WINDOW_LINK}" "/window" "$(link_window)"

  !insertmacro record key "${UNINSTALL_KEY}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Pairwick"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pairwick.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "InstallerLanguage" $LANGUAGE
  ; In KB: the packed files as makensis counted them, and the uninstaller, made just now.
  SectionGetSize ${section_game} $0
  FileOpen $1 "$INSTDIR\${UNINSTALLER}" r
  FileSeek $1 0 END $2
  FileClose $1
  IntOp $2 $2 + 1023
  IntOp $2 $2 / 1024
  IntOp $0 $0 + $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(section_desktop)" section_desktop
  !insertmacro put_link "${DESKTOP_LINK}" "" "$(link_full_screen)"
SectionEnd

Section "-close the list"
  FileClose $list
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${section_game} "$(describe_game)"
  !insertmacro MUI_DESCRIPTION_TEXT ${section_desktop} "$(describe_desktop)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; An upgrade keeps the desktop shortcut the earlier install made, also under /S; one of that
; name that its list does not name is another program's.
Function .onInit
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "${DESKTOP_LINK}"
    ClearErrors
    FileOpen $1 "$0\${LIST}" r
    ${IfNot} ${Errors}
      ${Do}
        ClearErrors
        FileReadUTF16LE $1 $2
        ${If} ${Errors}
          ${Break}
        ${ElseIf} $2 S== "link ${DESKTOP_LINK}$\r$\n"
          !insertmacro SelectSection ${section_desktop}
        ${EndIf}
      ${Loop}
      FileClose $1
    ${EndIf}
  ${EndIf}
FunctionEnd

; Started like the Start-menu entry, in the install folder, where it keeps its files.
Function start_game
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Pairwick.exe"'
FunctionEnd

; The uninstaller speaks as the setup did, where it still has that language.
Function un.onInit
  ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "InstallerLanguage"
  ${IfThen} $0 != "" ${|} StrCpy $LANGUAGE $0 ${|}
  ${IfNot} ${FileExists} "$INSTDIR\${LIST}"
    MessageBox MB_OK|MB_ICONSTOP "$(no_list)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

; Runs from a copy in the temporary folder, so it can delete its own file in the list.
Section "Uninstall"
  Call un.game_closed
  Call un.remove_listed
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR"
    DetailPrint "$(folder_kept)"
  ${EndIf}
SectionEnd
