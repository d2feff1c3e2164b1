import QtMultimedia 5.6

// One sound effect of the table, made by Sounds the first time it is needed, so that the multimedia module is
// loaded only when a sound is played, never at start.
SoundEffect {
    volume: 0.8
}
