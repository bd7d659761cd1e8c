#version 120
// Nazar's thorn fence, a decal under everything: each pixel of the fence finds
// where it lies in the room, vanishes where the wall mask marks a wall (white,
// opaque) so the thorns never climb the walls, and takes some of the floor's
// colour beneath it so it looks grown out of the ground.
// The fence is drawn unscaled, centred on textureWorldPos, and the room
// picture's top-left corner is the world origin.

uniform sampler2D texture;
uniform sampler2D roomTex;
uniform sampler2D wallTex;
uniform vec2 roomTexSize;
uniform vec2 textureTexSize;
uniform vec2 textureFrameSize;
uniform vec2 textureWorldPos;
uniform int textureCurrentFrame;

void main()
{
    vec4 thorns = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;

    // The frame's cell in the sheet (frames run left to right, then on the next rows).
    vec2 frameSize = max(textureFrameSize, vec2(1.0));
    float columns = max(floor(textureTexSize.x / frameSize.x), 1.0);
    float frame = float(textureCurrentFrame);
    float row = floor(frame / columns);
    vec2 cell = vec2(frame - row * columns, row) * frameSize;
    vec2 local = gl_TexCoord[0].xy * textureTexSize - cell;

    vec2 world = textureWorldPos + local - frameSize * 0.5;
    vec2 roomUv = world / max(roomTexSize, vec2(1.0));
    float inside = step(0.0, roomUv.x) * step(0.0, roomUv.y) * step(roomUv.x, 1.0) * step(roomUv.y, 1.0);

    vec4 mask = texture2D(wallTex, roomUv);
    float wall = mask.a * max(mask.r, max(mask.g, mask.b)) * inside;
    vec3 floorColour = texture2D(roomTex, roomUv).rgb;

    vec3 colour = mix(thorns.rgb, thorns.rgb * (0.6 + 0.6 * floorColour), 0.4 * inside);
    gl_FragColor = vec4(colour, thorns.a * (1.0 - smoothstep(0.4, 0.6, wall)));
}
