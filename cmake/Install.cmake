# Installation and packaging of the program.
