#version 120
// An exit opening once the room is cleared. The gate pictures keep their stone
// frame fully opaque and paint what closes the passage (bars, seal, the dark
// behind them) very slightly translucent: that is how this program tells the
// gate it dissolves from the frame it keeps. First the seal flares, then the
// bars burn away from the centre outwards behind a rim of pale-gold fire, and
// the passage is left open and lit, breathing softly so an open exit reads as one.

uniform sampler2D texture;
uniform float timer; // seconds since the room was cleared

const float FLARE_TIME = 0.35;
const float OPEN_TIME = 1.4;
const vec3 GOLD = vec3(1.0, 0.86, 0.52);

float hash(vec2 p)
{
    return fract(sin(dot(p, vec2(12.9898, 78.233))) * 43758.5453);
}

float noise(vec2 p)
{
    vec2 i = floor(p);
    vec2 f = fract(p);
    f = f * f * (3.0 - 2.0 * f);
    float a = hash(i), b = hash(i + vec2(1.0, 0.0));
    float c = hash(i + vec2(0.0, 1.0)), d = hash(i + vec2(1.0, 1.0));
    return mix(mix(a, b, f.x), mix(c, d, f.x), f.y);
}

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 base = texture2D(texture, uv);

    // The frame (opaque) stays as it is; only the gate inside it changes.
    float gate = (base.a > 0.004 && base.a < 0.985) ? 1.0 : 0.0;

    float flare = clamp(timer / FLARE_TIME, 0.0, 1.0);
    float progress = clamp((timer - FLARE_TIME) / OPEN_TIME, 0.0, 1.0);
    progress = progress * progress * (3.0 - 2.0 * progress);

    // The burning front: a ragged circle growing from the centre.
    float r = length(uv - 0.5) * 1.6 + (noise(uv * 14.0) - 0.5) * 0.22;
    float front = progress * 1.35;
    float burnt = (1.0 - smoothstep(front - 0.04, front, r)) * step(0.001, progress);
    float rim = smoothstep(front - 0.2, front - 0.02, r) * burnt * (1.0 - progress * 0.85);

    // Before it gives way the gate heats up.
    vec3 heated = base.rgb * vec3(1.35, 1.1, 0.75) + GOLD * 0.12;
    vec3 gateColour = mix(base.rgb, heated, flare * (1.0 - progress));
    // Where it has burnt away: the passage shows through, filled with a warm
    // light that is brightest in the middle and breathes slowly.
    float breath = 0.8 + 0.2 * sin(timer * 2.4);
    float core = 1.0 - smoothstep(0.0, 0.95, length(uv - 0.5) * 2.0);
    vec3 openColour = mix(GOLD, vec3(1.0, 0.98, 0.9), core * 0.35);
    float openAlpha = (0.2 + 0.65 * core) * breath;
    // A few motes of light drifting up through the opening.
    vec2 cell = floor(uv * vec2(18.0, 18.0) + vec2(0.0, timer * 1.5));
    float mote = step(0.97, hash(cell)) * core;
    openAlpha = max(openAlpha, mote * 0.9);
    // The gate's picture fades out towards the room; so does the light.
    openAlpha *= clamp(base.a * 2.5, 0.0, 1.0);

    vec3 colour = mix(gateColour, openColour, burnt);
    float alpha = mix(base.a, openAlpha, burnt);
    colour = mix(colour, vec3(1.0, 0.97, 0.85), rim);
    alpha = max(alpha, rim);

    vec4 result = vec4(colour, alpha);
    gl_FragColor = mix(base, result, gate) * gl_Color;
}
