#version 110
// Mixer: three render-target pictures laid over one another, the later ones
// fainter, under a vignette.

uniform sampler2D layer1;
uniform sampler2D layer2;
uniform sampler2D layer3;

void main() {
    vec2 st = gl_TexCoord[0].st;
    vec3 colour = texture2D(layer1, st).rgb + 0.5 * texture2D(layer2, st).rgb + 0.25 * texture2D(layer3, st).rgb;
    float vignette = 16.0 * st.x * (1.0 - st.x) * st.y * (1.0 - st.y);
    gl_FragColor = vec4(colour * vignette, 1.0);
}
