#version 120
// The room's light layer, drawn over the scene. Each of the ten light slots
// adds a soft pool of its colour (alpha is its strength) that flickers with
// its intensity sample. Slots with zero alpha cost one test. Around the pools
// the room's edges darken a little, breathing with the same flicker, so a
// room without lights still feels candle-lit.

uniform vec2 resolution;        // size of the room picture in pixels
uniform vec2 lightPos[10];      // room coordinates
uniform vec4 lightColor[10];
uniform float deltaIntensity[10]; // flicker, in [-0.1, 0]

const float RADIUS = 420.0;

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec2 p = uv * resolution;

    vec3 light = vec3(0.0);
    float strength = 0.0;
    float flicker = 0.0;
    for (int i = 0; i < 10; ++i)
    {
        flicker += deltaIntensity[i];
        if (lightColor[i].a > 0.0)
        {
            vec2 d = (p - lightPos[i]) / RADIUS;
            float fall = max(1.0 - dot(d, d), 0.0);
            float s = fall * fall * lightColor[i].a * (1.0 + 2.0 * deltaIntensity[i]);
            light += lightColor[i].rgb * s;
            strength += s;
        }
    }
    flicker *= 0.1;

    // Edge darkness in the clear colour's hue.
    vec2 c = uv - 0.5;
    float edge = smoothstep(0.2, 0.75, dot(c, c) * 2.0) * (0.28 + flicker * 1.5);
    // A pool tints the scene (the layer is alpha-blended, not added), strongest at its heart.
    float alpha = clamp(strength * 0.35 + edge, 0.0, 0.6);
    vec3 dark = vec3(0.16, 0.047, 0.055);
    vec3 pool = light / max(strength, 1e-4);
    vec3 colour = mix(dark, pool, clamp(strength / (strength + edge + 1e-4), 0.0, 1.0));
    gl_FragColor = vec4(colour, alpha);
}
