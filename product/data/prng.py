"""A small, fixed pseudo-random generator (xorshift32), so the data files come out byte for
byte the same on every machine and every Python version."""


class Prng:
    def __init__(self, seed: int):
        # Spread small seeds over the 32 bits; xorshift must never hold 0.
        self.state = (seed * 2654435761 + 0x9E3779B9) & 0xFFFFFFFF or 1

    def next32(self) -> int:
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x

    def below(self, n: int) -> int:
        """A number in 0 .. n-1."""
        return self.next32() % n

    def between(self, low: int, high: int) -> int:
        """A number in low .. high, both included."""
        return low + self.below(high - low + 1)

    def choice(self, seq):
        return seq[self.below(len(seq))]

    def chance(self, percent: int) -> bool:
        return self.below(100) < percent
