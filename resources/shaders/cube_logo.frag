#version 110
// Placeholder: draws nothing until this program is written.
void main() {
    discard;
}
