#version 110
// The fixed-function vertex stage as the demo draws with it: the vertex
// through the model-view and projection matrices, its colour and first
// texture coordinate handed on. The browser's GL layer draws with it where
// the demo has no program in use, and gives it to the programs that bring a
// fragment shader only.
void main() {
    gl_Position = ftransform();
    gl_FrontColor = gl_Color;
    gl_TexCoord[0] = gl_MultiTexCoord0;
}
