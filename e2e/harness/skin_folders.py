"""Program folders with a skin: config.ini written in code page 949 as a Korean Windows reads
it, with sections of the checks' choosing."""
import pathlib


def write_config(folder, *lines):
    """Writes `folder`/config.ini with `lines` ("[section]" or "key=value"), in code page 949."""
    text = "".join(f"{line}\r\n" for line in lines)
    (pathlib.Path(folder) / "config.ini").write_bytes(text.encode("cp949"))
