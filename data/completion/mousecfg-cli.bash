# bash completion for mousecfg-cli                                  -*- shell-script -*-
#
# Installed as /usr/share/bash-completion/completions/mousecfg-cli (or sourced from ~/.bashrc; it
# needs nothing from the bash-completion package). Completes the commands, their options, the keys
# of set and get with their values, and the library's profile names for use.

_mousecfg_cli_words() {
    COMPREPLY=($(compgen -W "$1" -- "$cur"))
}

_mousecfg_cli_files() {
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen "$@" -- "$cur"))
}

_mousecfg_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local words=("${COMP_WORDS[@]}") cword=$COMP_CWORD

    local commands="list status show get set profiles use apply frames export import"
    local common="--data-dir --simulate --simulate-fault --help"
    local keys="dpi stage stages rate lift pointer-speed scroll-speed button light brightness speed color sleep move-light-off active-profile"
    local effects="full-lighted breathing 7-color-breathing rainbow wave reactive go-without-trace yo-yo marbles off"
    local functions="left right middle forward back button-off cut copy paste all find new print save
        switch-window close-window my-computer run show-desktop lock-pc browser-home browser-backward
        browser-forward browser-stop browser-refresh browser-search browser-favorite mail boss-key
        key combo fire sniper play-pause stop previous-track next-track volume-up volume-down mute
        media-player dpi-switch dpi-up dpi-down rate-up rate-down rate-switch macro led-switch
        scroll-up scroll-down"
    local faults="silent no-echo bad-echo bad-header read-error write-error unplug asleep"

    # Options that take a value.
    case $prev in
        --data-dir)
            _mousecfg_cli_files -d
            return
            ;;
        --simulate-fault)
            _mousecfg_cli_words "$faults"
            return
            ;;
        --profile)
            _mousecfg_cli_words "1 2 3 4 5"
            return
            ;;
        --mask | --link-mode | --brightness | --speed | --color | --times | --delay | --loop)
            return
            ;;
    esac

    # The command is the first word that is not an option (or an option's value).
    local i command="" arg=0 args=() data=()
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --data-dir)
                data=(--data-dir "${words[i + 1]}")
                ((i++))
                ;;
            --simulate-fault | --profile | --mask | --link-mode | --brightness | --speed | \
                --color | --times | --delay | --loop)
                ((i++))
                ;;
            -*) ;;
            *)
                if [[ -z $command ]]; then
                    command=${words[i]}
                else
                    args+=("${words[i]}")
                fi
                ;;
        esac
    done
    arg=${#args[@]}

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            _mousecfg_cli_words "$common --version"
        else
            _mousecfg_cli_words "$commands"
        fi
        return
    fi

    if [[ $cur == -* ]]; then
        local options=$common
        case $command in
            list | status | profiles) options+=" --json" ;;
            show) options+=" --profile --all --json" ;;
            get) options+=" --profile" ;;
            set) options+=" --profile --brightness --speed --color --times --delay --loop --while-held --toggle" ;;
            apply) options+=" --all" ;;
            frames) options+=" --mask --link-mode" ;;
        esac
        _mousecfg_cli_words "$options"
        return
    fi

    case $command in
        export | import)
            [[ $arg -eq 0 ]] && _mousecfg_cli_files -f
            ;;
        use)
            if [[ $arg -eq 0 ]]; then
                # The library's entries of `profiles`; a name with spaces stays one word.
                local name
                while IFS= read -r name; do
                    [[ $name == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
                done < <("${words[0]}" "${data[@]}" profiles 2>/dev/null | sed -n 's/^  \(.*\)$/\1/p' |
                    sed 's/ (profile [0-9])$//')
            fi
            ;;
        get | set)
            if [[ $arg -eq 0 ]]; then
                local list=$keys
                [[ $command == get ]] && list+=" name"
                _mousecfg_cli_words "$list"
                return
            fi
            [[ $command == get ]] && return
            case ${args[0]} in
                light) [[ $arg -eq 1 ]] && _mousecfg_cli_words "$effects" ;;
                move-light-off) [[ $arg -eq 1 ]] && _mousecfg_cli_words "on off" ;;
                rate) [[ $arg -eq 1 ]] && _mousecfg_cli_words "125 250 500 1000" ;;
                lift) [[ $arg -eq 1 ]] && _mousecfg_cli_words "1 2" ;;
                active-profile) [[ $arg -eq 1 ]] && _mousecfg_cli_words "1 2 3 4 5" ;;
                button)
                    if [[ $arg -eq 1 ]]; then
                        _mousecfg_cli_words "1 2 3 4 5 6 7 8 wheel-up wheel-down"
                    elif [[ $arg -eq 2 ]]; then
                        _mousecfg_cli_words "$functions"
                    elif [[ $arg -eq 3 && ${args[2]} == fire ]]; then
                        _mousecfg_cli_words "left right middle"
                    fi
                    ;;
            esac
            ;;
    esac
} &&
    complete -F _mousecfg_cli mousecfg-cli
