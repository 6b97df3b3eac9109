# bash completion for quorrix-cli
_quorrix_cli() {
    local cur prev words cword
    _init_completion || return
    case "$prev" in
        -o | --output | --catalogue | --boot | --app)
            _filedir
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W 'bin hex srec' -- "$cur"))
            return
            ;;
        --record-bytes)
            COMPREPLY=($(compgen -W '16 32' -- "$cur"))
            return
            ;;
        --server)
            COMPREPLY=($(compgen -W 'openocd pyocd blackmagic stutil jlink qemu generic' -- "$cur"))
            return
            ;;
        --gdb)
            COMPREPLY=($(compgen -W ':3333 :2331 :4242 :1234' -- "$cur"))
            [[ "$cur" == /dev/* ]] && _filedir
            return
            ;;
        --base | --fill | --size)
            return
            ;;
    esac
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W '-y --yes -n --no -f --force -o --output --catalogue --json --format --base --record-bytes --fill --boot --app --gdb --server --no-reset --no-backup --size -h --help --help-all -v --version' -- "$cur"))
        return
    fi
    local i command=
    for ((i = 1; i < cword; i++)); do
        case "${words[i]}" in
            boot | app | merge | verify | diff | flash | module | read) command=${words[i]}; break ;;
        esac
    done
    if [[ -z "$command" ]]; then
        COMPREPLY=($(compgen -W 'boot app merge verify diff flash module read' -- "$cur"))
    else
        _filedir
    fi
}
complete -F _quorrix_cli quorrix-cli
