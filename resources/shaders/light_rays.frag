#version 110
// Light shafts: marches from the fragment towards the light's place on screen,
// summing myTexture1 with a weight that decays step by step. Where myTexture2
// is opaque at all, its colour is kept as it is.

uniform vec2 lightPositionOnScreen;
uniform float weight;
uniform float decay;
uniform float density;
uniform float exposure;
uniform sampler2D myTexture1;  // what shines
uniform sampler2D myTexture2;  // what stays in front

const int SAMPLE_COUNT = 100;

void main() {
    vec2 coordinate = gl_TexCoord[0].xy;
    vec4 front = texture2D(myTexture2, coordinate);
    if (front.a != 0.0) {
        gl_FragColor = front;
        return;
    }

    vec2 stride = (coordinate - lightPositionOnScreen) * (density / float(SAMPLE_COUNT));
    float falloff = 1.0;
    vec4 sum = vec4(0.0);
    for (int i = 0; i < SAMPLE_COUNT; ++i) {
        coordinate -= stride;
        sum += texture2D(myTexture1, coordinate) * falloff * weight;
        falloff *= decay;
    }
    gl_FragColor = sum * exposure;
}
