# bash completion for quorrix-cli
_quorrix_cli() {
    local cur prev words cword
    _init_completion || return
    case "$prev" in
        -o | --output | --catalogue)
            _filedir
            return
            ;;
    esac
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W '-y --yes -n --no -o --output --catalogue --json -h --help --help-all -v --version' -- "$cur"))
        return
    fi
    local i command=
    for ((i = 1; i < cword; i++)); do
        case "${words[i]}" in
            boot | app | merge) command=${words[i]}; break ;;
        esac
    done
    if [[ -z "$command" ]]; then
        COMPREPLY=($(compgen -W 'boot app merge' -- "$cur"))
    else
        _filedir
    fi
}
complete -F _quorrix_cli quorrix-cli
