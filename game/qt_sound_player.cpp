// The real sound player (Qt Multimedia).
