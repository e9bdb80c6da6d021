# Chooses how Windows programs run here, and prepares a Wine prefix the way the launcher is meant to be
# seen: the bitmap and TrueType faces its layout names, the standard Windows colour scheme, no font
# smoothing, and (optionally) the stand-in Active Desktop object. Sourced after scripts/lib/setup.sh by
# scripts/run, scripts/test, scripts/bench and tests/tools/wine-env.
#
# Two ways to run them, each with the Windows build of the same name:
#   win32  the shipped 32-bit program under 32-bit Wine: where the host runs 32-bit programs;
#   win64  a 64-bit build of the same source under 64-bit Wine: where it cannot, or when
#          VUROZUD_WINE64=1 asks for it on any host.

readonly WINE32_LOADER=/usr/lib/wine/wine
readonly WINE64_LOADER=/usr/lib/wine/wine64

# choose_wine_build: sets wine_build to win32 or win64, the Windows build that runs under Wine here,
# and wine_build_reason to one line that says which and why.
choose_wine_build() {
    local answer
    wine_build=win64
    if [ "${VUROZUD_WINE64:-0}" = 1 ]; then
        wine_build_reason="VUROZUD_WINE64=1 asks for it"
    elif [ ! -x "$WINE32_LOADER" ]; then
        wine_build_reason="32-bit Wine is not installed ($WINE32_LOADER)"
    elif ! answer=$("$WINE32_LOADER" --version 2>&1); then
        wine_build_reason="this host cannot run 32-bit programs ($(sed 's/^.*line [0-9]*: //' <<<"$answer"))"
    else
        wine_build=win32
        wine_build_reason="this host runs 32-bit programs"
    fi
    if [ "$wine_build" = win32 ]; then
        wine_build_reason="the shipped 32-bit program under 32-bit Wine: $wine_build_reason"
    else
        wine_build_reason="the 64-bit build (build/win64) under 64-bit Wine: $wine_build_reason"
    fi
}

# use_wine_build win32|win64: exports what every Wine command here needs for that build.
use_wine_build() {
    case "$1" in
    win32) export WINEARCH=win32 WINELOADER=$WINE32_LOADER ;;
    win64) export WINEARCH=win64 WINELOADER=$WINE64_LOADER ;;
    *) echo "unknown Windows build: $1 (win32 or win64)" >&2; return 1 ;;
    esac
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# wine_quietly ARGUMENTS...: runs a Windows program under Wine, quietly.
wine_quietly() { quietly "$WINELOADER" "$@"; }

# The Windows standard colour scheme (Wine's own default makes caption text black, for one).
readonly STANDARD_COLOURS=(
    "ActiveBorder=192 192 192" "ActiveTitle=0 0 128" "AppWorkSpace=128 128 128"
    "Background=0 128 128" "ButtonAlternateFace=192 192 192" "ButtonDkShadow=0 0 0"
    "ButtonFace=192 192 192" "ButtonHilight=255 255 255" "ButtonLight=192 192 192"
    "ButtonShadow=128 128 128" "ButtonText=0 0 0" "GradientActiveTitle=16 132 208"
    "GradientInactiveTitle=181 181 181" "GrayText=128 128 128" "Hilight=0 0 128"
    "HilightText=255 255 255" "HotTrackingColor=0 0 255" "InactiveBorder=192 192 192"
    "InactiveTitle=128 128 128" "InactiveTitleText=192 192 192" "InfoText=0 0 0"
    "InfoWindow=255 255 225" "Menu=192 192 192" "MenuText=0 0 0" "Scrollbar=192 192 192"
    "TitleText=255 255 255" "Window=255 255 255" "WindowFrame=0 0 0" "WindowText=0 0 0"
)

# start_virtual_display FILE: starts Xvfb (1024 x 768 x 24) in the background, writes its display
# number to FILE, exports DISPLAY and sets xvfb_pid; fails when the display does not come up.
start_virtual_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1" >"$1.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$1" ] && break; sleep 0.1; done
    if [ ! -s "$1" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        echo "Xvfb did not start within 10 s; it printed:" >&2
        sed 's/^/    /' "$1.log" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$1")"
}

# prepare_wine_prefix: WINEPREFIX, DISPLAY and the build (use_wine_build) must be set; creates or
# refreshes the prefix.
prepare_wine_prefix() {
    # The faces are the prefix's own, none of the host's (fontconfig is given an empty font set): a face the
    # prefix lacks falls back to its Arial, and none is smoothed, whatever the host's settings.
    export FONTCONFIG_FILE="$WINEPREFIX/fonts.conf"
    mkdir -p "$WINEPREFIX"
    printf '<fontconfig><cachedir>%s</cachedir></fontconfig>\n' "$WINEPREFIX/fontconfig-cache" >"$FONTCONFIG_FILE"
    wine_quietly wineboot --init
    wineserver -w
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    # Beside the layout's faces, others a program might name by mistake, each drawn in a face of its own.
    cp -u /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/tahoma*.ttf "$fonts/"
    cp -u /usr/share/fonts/truetype/liberation/Liberation{Sans,Serif,Mono}-*.ttf "$fonts/"
    local regfile="$WINEPREFIX/drive_c/vurozud-settings.reg" entry
    {
        printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n'
        for entry in "${STANDARD_COLOURS[@]}"; do
            printf '"%s"="%s"\r\n' "${entry%%=*}" "${entry#*=}"
        done
        printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"FontSmoothing"="0"\r\n'
        # Arial, Times New Roman and Courier New are served by the metric-compatible Liberation faces.
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"Arial"="Liberation Sans"\r\n'
        printf '"Times New Roman"="Liberation Serif"\r\n"Courier New"="Liberation Mono"\r\n'
    } >"$regfile"
    # In a new prefix the first program after wineboot has been seen, rarely, not to start (the loader
    # handed its name to "start", which could not run it either): it gets one more try, a moment later.
    wine_quietly regedit /S 'c:\vurozud-settings.reg' ||
        { echo "starting it once more" >&2; sleep 1; wine_quietly regedit /S 'c:\vurozud-settings.reg'; } ||
        { rm -f "$regfile"; return 1; }
    rm -f "$regfile"
    wineserver -w
}

# register_active_desktop_stand_in DLL: makes the given in-process server the Active Desktop class.
# Wine looks a program's classes up in HKLM\Software\Classes of the prefix's own width, where the
# DLL of the same width registers.
register_active_desktop_stand_in() {
    local dll=$1 system32="$WINEPREFIX/drive_c/windows/system32"
    cp "$dll" "$system32/"
    local key='HKLM\Software\Classes\CLSID\{75048700-EF1F-11D0-9888-006097DEACF9}\InprocServer32'
    wine_quietly reg add "$key" /ve /d "c:\\windows\\system32\\$(basename "$dll")" /f
    wine_quietly reg add "$key" /v ThreadingModel /d Apartment /f
    wineserver -w
}
