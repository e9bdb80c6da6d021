# Prepares a 32-bit Wine prefix the way the launcher is meant to be seen: the bitmap and TrueType
# faces its layout names, the standard Windows colour scheme, no font smoothing, and (optionally)
# the stand-in Active Desktop object. Sourced by scripts/run and tests/tools/wine-env.

wine_quietly() { wine "$@" >/dev/null 2>&1; }

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
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$1" ] && break; sleep 0.1; done
    [ -s "$1" ] || { kill "$xvfb_pid" 2>/dev/null; echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$1")"
}

# prepare_wine_prefix: WINEPREFIX and DISPLAY must be set; creates or refreshes the prefix.
prepare_wine_prefix() {
    export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wine_quietly wineboot --init
    wineserver -w
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -u /usr/share/wine/fonts/*.fon "$fonts/"
    cp -u /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$fonts/"
    local regfile entry
    regfile=$(mktemp --suffix=.reg)
    {
        printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n'
        for entry in "${STANDARD_COLOURS[@]}"; do
            printf '"%s"="%s"\r\n' "${entry%%=*}" "${entry#*=}"
        done
        printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"FontSmoothing"="0"\r\n'
        # Arial is served by the metric-compatible Liberation Sans.
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"Arial"="Liberation Sans"\r\n'
    } >"$regfile"
    wine_quietly regedit /S "$(winepath -w "$regfile")"
    rm -f "$regfile"
    wineserver -w
}

# register_active_desktop_stand_in DLL: makes the given in-process server the Active Desktop class.
# A 32-bit prefix looks classes up only in HKLM\Software\Classes.
register_active_desktop_stand_in() {
    local dll=$1 system32="$WINEPREFIX/drive_c/windows/system32"
    cp "$dll" "$system32/"
    local key='HKLM\Software\Classes\CLSID\{75048700-EF1F-11D0-9888-006097DEACF9}\InprocServer32'
    wine_quietly reg add "$key" /ve /d "c:\\windows\\system32\\$(basename "$dll")" /f
    wine_quietly reg add "$key" /v ThreadingModel /d Apartment /f
    wineserver -w
}
