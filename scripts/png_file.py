"""The PNG file of an 8-bit RGBA picture, for the scripts that draw our icons."""
import struct
import zlib


def png_bytes(rows):
    """rows: the picture's rows, top first, each a list of (red, green, blue, alpha)."""
    raw = b"".join(b"\0" + b"".join(struct.pack("4B", *p) for p in row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
