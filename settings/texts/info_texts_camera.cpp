// The information texts of the camera.
// Each is an English text and its translations, French to Polish.

#include "settings/texts/info_text_tables.h"

namespace kivo::settings::info_tables {

// clang-format off
const Translated kPhotoMode{"[Photo Mode]\nYou can select the photo mode to be either single shot or burst shot. Single shot takes a single photo while burst shot takes 10 photos in one second.", {
    "[Mode photo]\nVous pouvez choisir le mode photo prise unique ou rafale. La prise unique prend une seule photo, tandis que la rafale prend 10 photos en une seconde.",
    "[Fotomodus]\nSie können als Fotomodus Einzelbild oder Serienbild wählen. Einzelbild nimmt ein einzelnes Foto auf, Serienbild 10 Fotos in einer Sekunde.",
    "[Modalità foto]\nÈ possibile scegliere la modalità foto scatto singolo o raffica. Lo scatto singolo scatta una sola foto, mentre la raffica scatta 10 foto in un secondo.",
    "[写真モード]\n写真モードは単写または連写から選択できます。単写は1枚の写真を撮影し、連写は1秒間に10枚の写真を撮影します。",
    "[사진 모드]\n사진 모드를 단일 촬영 또는 연속 촬영으로 선택할 수 있습니다. 단일 촬영은 사진을 한 장 찍고, 연속 촬영은 1초에 사진을 10장 찍습니다.",
    "[Modo foto]\nPuede elegir el modo foto entre disparo único o ráfaga. El disparo único toma una sola foto y la ráfaga toma 10 fotos en un segundo.",
    "[Fotomodus]\nU kunt als fotomodus enkele opname of serieopname kiezen. Een enkele opname maakt één foto, een serieopname maakt 10 foto's in één seconde.",
    "[Режим фото]\nРежим фото можно выбрать: одиночный снимок или серия. Одиночный снимок делает одну фотографию, а серия — 10 фотографий за одну секунду.",
    "[照片模式]\n您可以将照片模式选择为单拍或连拍。单拍拍摄一张照片，连拍在一秒内拍摄 10 张照片。",
    "[Valokuvatila]\nVoit valita valokuvatilaksi yksittäiskuvan tai sarjakuvauksen. Yksittäiskuva ottaa yhden kuvan, sarjakuvaus 10 kuvaa sekunnissa.",
    "[Režim fotografií]\nJako režim fotografií můžete zvolit jednotlivý snímek nebo sériové snímání. Jednotlivý snímek pořídí jednu fotografii, sériové snímání 10 fotografií za sekundu.",
    "[Tryb zdjęć]\nJako tryb zdjęć możesz wybrać pojedyncze zdjęcie lub serię. Pojedyncze zdjęcie wykonuje jedno zdjęcie, a seria 10 zdjęć w ciągu sekundy."}};
const Translated kVideoModeTwo{"[Video Mode]\nYou can select the video mode to be either video mode or timelapse mode. Video mode records a standard video while timelapse mode records series of photos at timed intervals and makes it into a video.", {
    "[Mode vidéo]\nVous pouvez choisir le mode vidéo ou le mode timelapse. Le mode vidéo enregistre une vidéo standard, tandis que le mode timelapse enregistre une série de photos à intervalles réguliers et en fait une vidéo.",
    "[Videomodus]\nSie können als Videomodus Video oder Zeitraffer wählen. Der Videomodus nimmt ein normales Video auf, der Zeitraffermodus nimmt in festen Abständen eine Fotoserie auf und macht daraus ein Video.",
    "[Modalità video]\nÈ possibile scegliere la modalità video o timelapse. La modalità video registra un video standard, mentre la modalità timelapse registra una serie di foto a intervalli regolari e le trasforma in un video.",
    "[ビデオモード]\nビデオモードはビデオモードまたはタイムラプスモードから選択できます。ビデオモードは通常のビデオを録画し、タイムラプスモードは一定間隔で撮影した一連の写真をビデオにします。",
    "[비디오 모드]\n비디오 모드를 비디오 모드 또는 타임랩스 모드로 선택할 수 있습니다. 비디오 모드는 일반 동영상을 녹화하고, 타임랩스 모드는 일정 간격으로 찍은 사진들을 동영상으로 만듭니다.",
    "[Modo vídeo]\nPuede elegir el modo vídeo o el modo timelapse. El modo vídeo graba un vídeo estándar, mientras que el modo timelapse graba una serie de fotos a intervalos regulares y las convierte en un vídeo.",
    "[Videomodus]\nU kunt de videomodus of de timelapsemodus kiezen. De videomodus neemt een standaardvideo op, de timelapsemodus neemt met vaste tussenpozen een reeks foto's op en maakt daar een video van.",
    "[Режим видео]\nМожно выбрать режим видео или режим таймлапса. Режим видео записывает обычное видео, а режим таймлапса снимает серию фотографий через заданные интервалы и превращает их в видео.",
    "[视频模式]\n您可以将视频模式选择为视频模式或延时模式。视频模式录制标准视频，延时模式按设定的时间间隔拍摄一系列照片并将其制作成视频。",
    "[Videotila]\nVoit valita videotilaksi videotilan tai ajastetun kuvauksen tilan. Videotila tallentaa tavallisen videon, ja ajastettu kuvaus ottaa kuvasarjan tietyin väliajoin ja tekee siitä videon.",
    "[Režim videa]\nMůžete zvolit režim videa nebo časosběrný režim. Režim videa nahrává standardní video, časosběrný režim pořizuje sérii fotografií v pravidelných intervalech a vytvoří z nich video.",
    "[Tryb wideo]\nMożesz wybrać tryb wideo lub tryb poklatkowy. Tryb wideo nagrywa standardowe wideo, a tryb poklatkowy wykonuje serię zdjęć w ustalonych odstępach i tworzy z nich wideo."}};
const Translated kVideoModeThree{"[Video Mode]\nYou can select the video mode to be video mode, timelapse mode, or loop recording mode. Video mode records a normal video. Timelaspe mode records series of photos at timed intervals and makes it into a video. Loop recording mode constantly records videos at timed intervals, replacing old video files when memory is full.", {
    "[Mode vidéo]\nVous pouvez choisir le mode vidéo, le mode timelapse ou le mode enregistrement en boucle. Le mode vidéo enregistre une vidéo normale. Le mode timelapse enregistre une série de photos à intervalles réguliers et en fait une vidéo. Le mode enregistrement en boucle enregistre en continu des vidéos à intervalles réguliers et remplace les anciens fichiers vidéo lorsque la mémoire est pleine.",
    "[Videomodus]\nSie können als Videomodus Video, Zeitraffer oder Loop-Aufnahme wählen. Der Videomodus nimmt ein normales Video auf. Der Zeitraffermodus nimmt in festen Abständen eine Fotoserie auf und macht daraus ein Video. Der Loop-Aufnahmemodus nimmt fortlaufend Videos in festen Abständen auf und ersetzt alte Videodateien, wenn der Speicher voll ist.",
    "[Modalità video]\nÈ possibile scegliere la modalità video, timelapse o registrazione in loop. La modalità video registra un video normale. La modalità timelapse registra una serie di foto a intervalli regolari e le trasforma in un video. La modalità registrazione in loop registra continuamente video a intervalli regolari, sostituendo i vecchi file video quando la memoria è piena.",
    "[ビデオモード]\nビデオモードはビデオモード、タイムラプスモード、ループ録画モードから選択できます。ビデオモードは通常のビデオを録画します。タイムラプスモードは一定間隔で撮影した一連の写真をビデオにします。ループ録画モードは一定間隔で連続してビデオを録画し、メモリーがいっぱいになると古いビデオファイルを上書きします。",
    "[비디오 모드]\n비디오 모드를 비디오 모드, 타임랩스 모드 또는 루프 녹화 모드로 선택할 수 있습니다. 비디오 모드는 일반 동영상을 녹화합니다. 타임랩스 모드는 일정 간격으로 찍은 사진들을 동영상으로 만듭니다. 루프 녹화 모드는 일정 간격으로 계속 동영상을 녹화하고 메모리가 가득 차면 오래된 동영상 파일을 덮어씁니다.",
    "[Modo vídeo]\nPuede elegir el modo vídeo, el modo timelapse o el modo de grabación en bucle. El modo vídeo graba un vídeo normal. El modo timelapse graba una serie de fotos a intervalos regulares y las convierte en un vídeo. El modo de grabación en bucle graba vídeos continuamente a intervalos regulares y sustituye los archivos de vídeo antiguos cuando la memoria está llena.",
    "[Videomodus]\nU kunt de videomodus, de timelapsemodus of de lusopnamemodus kiezen. De videomodus neemt een normale video op. De timelapsemodus neemt met vaste tussenpozen een reeks foto's op en maakt daar een video van. De lusopnamemodus neemt voortdurend video's op met vaste tussenpozen en vervangt oude videobestanden wanneer het geheugen vol is.",
    "[Режим видео]\nМожно выбрать режим видео, режим таймлапса или режим циклической записи. Режим видео записывает обычное видео. Режим таймлапса снимает серию фотографий через заданные интервалы и превращает их в видео. Режим циклической записи непрерывно записывает видео с заданными интервалами и заменяет старые видеофайлы, когда память заполнена.",
    "[视频模式]\n您可以将视频模式选择为视频模式、延时模式或循环录制模式。视频模式录制普通视频。延时模式按设定的时间间隔拍摄一系列照片并将其制作成视频。循环录制模式按设定的时间间隔持续录制视频，存储空间已满时会替换旧的视频文件。",
    "[Videotila]\nVoit valita videotilaksi videotilan, ajastetun kuvauksen tilan tai silmukkatallennuksen tilan. Videotila tallentaa tavallisen videon. Ajastettu kuvaus ottaa kuvasarjan tietyin väliajoin ja tekee siitä videon. Silmukkatallennus tallentaa videoita jatkuvasti tietyin väliajoin ja korvaa vanhat videotiedostot, kun muisti on täynnä.",
    "[Režim videa]\nMůžete zvolit režim videa, časosběrný režim nebo režim smyčkového nahrávání. Režim videa nahrává běžné video. Časosběrný režim pořizuje sérii fotografií v pravidelných intervalech a vytvoří z nich video. Režim smyčkového nahrávání nepřetržitě nahrává videa v pravidelných intervalech a po zaplnění paměti nahrazuje staré videosoubory.",
    "[Tryb wideo]\nMożesz wybrać tryb wideo, tryb poklatkowy lub tryb nagrywania w pętli. Tryb wideo nagrywa zwykłe wideo. Tryb poklatkowy wykonuje serię zdjęć w ustalonych odstępach i tworzy z nich wideo. Tryb nagrywania w pętli nieprzerwanie nagrywa filmy w ustalonych odstępach i zastępuje stare pliki wideo, gdy pamięć jest pełna."}};
const Translated kVideoResolution{"[Video Resolution]\nYou can select the video resolution to be 1080p/30fps, 720p/60fps, or 720p/30fps.", {
    "[Résolution vidéo]\nVous pouvez choisir la résolution vidéo 1080p/30fps, 720p/60fps ou 720p/30fps.",
    "[Videoauflösung]\nSie können als Videoauflösung 1080p/30fps, 720p/60fps oder 720p/30fps wählen.",
    "[Risoluzione video]\nÈ possibile scegliere la risoluzione video 1080p/30fps, 720p/60fps o 720p/30fps.",
    "[ビデオ解像度]\nビデオ解像度は1080p/30fps、720p/60fps、720p/30fpsから選択できます。",
    "[비디오 해상도]\n비디오 해상도를 1080p/30fps, 720p/60fps 또는 720p/30fps로 선택할 수 있습니다.",
    "[Resolución de vídeo]\nPuede elegir la resolución de vídeo 1080p/30fps, 720p/60fps o 720p/30fps.",
    "[Videoresolutie]\nU kunt als videoresolutie 1080p/30fps, 720p/60fps of 720p/30fps kiezen.",
    "[Разрешение видео]\nМожно выбрать разрешение видео 1080p/30fps, 720p/60fps или 720p/30fps.",
    "[视频分辨率]\n您可以将视频分辨率选择为 1080p/30fps、720p/60fps 或 720p/30fps。",
    "[Videon tarkkuus]\nVoit valita videon tarkkuudeksi 1080p/30fps, 720p/60fps tai 720p/30fps.",
    "[Rozlišení videa]\nJako rozlišení videa můžete zvolit 1080p/30fps, 720p/60fps nebo 720p/30fps.",
    "[Rozdzielczość wideo]\nJako rozdzielczość wideo możesz wybrać 1080p/30fps, 720p/60fps lub 720p/30fps."}};
const Translated kTimelapseInterval{"[Timelapse Interval]\nYou can select the timelapse interval to be either 1 second or 10 seconds.", {
    "[Intervalle timelapse]\nVous pouvez choisir un intervalle timelapse de 1 seconde ou de 10 secondes.",
    "[Zeitrafferintervall]\nSie können als Zeitrafferintervall 1 Sekunde oder 10 Sekunden wählen.",
    "[Intervallo timelapse]\nÈ possibile scegliere un intervallo timelapse di 1 secondo o di 10 secondi.",
    "[タイムラプスの間隔]\nタイムラプスの間隔は1秒または10秒から選択できます。",
    "[타임랩스 간격]\n타임랩스 간격을 1초 또는 10초로 선택할 수 있습니다.",
    "[Intervalo de timelapse]\nPuede elegir un intervalo de timelapse de 1 segundo o de 10 segundos.",
    "[Timelapse-interval]\nU kunt als timelapse-interval 1 seconde of 10 seconden kiezen.",
    "[Интервал таймлапса]\nМожно выбрать интервал таймлапса 1 секунда или 10 секунд.",
    "[延时间隔]\n您可以将延时间隔选择为 1 秒或 10 秒。",
    "[Ajastetun kuvauksen väli]\nVoit valita ajastetun kuvauksen väliksi 1 sekunnin tai 10 sekuntia.",
    "[Interval časosběru]\nJako interval časosběru můžete zvolit 1 sekundu nebo 10 sekund.",
    "[Odstęp zdjęć poklatkowych]\nJako odstęp zdjęć poklatkowych możesz wybrać 1 sekundę lub 10 sekund."}};
const Translated kVideoTaggingInterval{"[Video Tagging Interval]\nYou can select the video tagging interval to be 1 min, 3 mins, or 5 mins.", {
    "[Intervalle de marquage vidéo]\nVous pouvez choisir un intervalle de marquage vidéo de 1 min, 3 min ou 5 min.",
    "[Video-Markierungsintervall]\nSie können als Video-Markierungsintervall 1 Min., 3 Min. oder 5 Min. wählen.",
    "[Intervallo di tagging video]\nÈ possibile scegliere un intervallo di tagging video di 1 min, 3 min o 5 min.",
    "[ビデオタグの間隔]\nビデオタグの間隔は1分、3分、5分から選択できます。",
    "[비디오 태그 간격]\n비디오 태그 간격을 1분, 3분 또는 5분으로 선택할 수 있습니다.",
    "[Intervalo de etiquetado de vídeo]\nPuede elegir un intervalo de etiquetado de vídeo de 1 min, 3 min o 5 min.",
    "[Videomarkeringsinterval]\nU kunt als videomarkeringsinterval 1 min, 3 min of 5 min kiezen.",
    "[Интервал меток видео]\nМожно выбрать интервал меток видео 1 мин, 3 мин или 5 мин.",
    "[视频标记间隔]\n您可以将视频标记间隔选择为 1 分钟、3 分钟或 5 分钟。",
    "[Videomerkintöjen väli]\nVoit valita videomerkintöjen väliksi 1 min, 3 min tai 5 min.",
    "[Interval značkování videa]\nJako interval značkování videa můžete zvolit 1 min, 3 min nebo 5 min.",
    "[Odstęp znaczników wideo]\nJako odstęp znaczników wideo możesz wybrać 1 min, 3 min lub 5 min."}};
const Translated kLoopRecordingInterval{"[Loop Recording Interval]\nYou can select the loop recording interval to be 1 min, 3 mins, or 5 mins.", {
    "[Intervalle d'enregistrement en boucle]\nVous pouvez choisir un intervalle d'enregistrement en boucle de 1 min, 3 min ou 5 min.",
    "[Loop-Aufnahmeintervall]\nSie können als Loop-Aufnahmeintervall 1 Min., 3 Min. oder 5 Min. wählen.",
    "[Intervallo registrazione in loop]\nÈ possibile scegliere un intervallo di registrazione in loop di 1 min, 3 min o 5 min.",
    "[ループ録画の間隔]\nループ録画の間隔は1分、3分、5分から選択できます。",
    "[루프 녹화 간격]\n루프 녹화 간격을 1분, 3분 또는 5분으로 선택할 수 있습니다.",
    "[Intervalo de grabación en bucle]\nPuede elegir un intervalo de grabación en bucle de 1 min, 3 min o 5 min.",
    "[Lusopname-interval]\nU kunt als lusopname-interval 1 min, 3 min of 5 min kiezen.",
    "[Интервал циклической записи]\nМожно выбрать интервал циклической записи 1 мин, 3 мин или 5 мин.",
    "[循环录制间隔]\n您可以将循环录制间隔选择为 1 分钟、3 分钟或 5 分钟。",
    "[Silmukkatallennuksen väli]\nVoit valita silmukkatallennuksen väliksi 1 min, 3 min tai 5 min.",
    "[Interval smyčkového nahrávání]\nJako interval smyčkového nahrávání můžete zvolit 1 min, 3 min nebo 5 min.",
    "[Odstęp nagrywania w pętli]\nJako odstęp nagrywania w pętli możesz wybrać 1 min, 3 min lub 5 min."}};
const Translated kVideoMicrophoneGain{"[Video Microphone Gain]\nYou can select the microphone gain on your video to be low, medium, or high.", {
    "[Gain du micro vidéo]\nVous pouvez choisir un gain du micro faible, moyen ou élevé pour vos vidéos.",
    "[Video-Mikrofonverstärkung]\nSie können die Mikrofonverstärkung für Ihre Videos auf niedrig, mittel oder hoch einstellen.",
    "[Guadagno microfono video]\nÈ possibile scegliere un guadagno del microfono basso, medio o alto per i video.",
    "[ビデオのマイクゲイン]\nビデオのマイクゲインは低、中、高から選択できます。",
    "[비디오 마이크 게인]\n비디오의 마이크 게인을 낮음, 중간 또는 높음으로 선택할 수 있습니다.",
    "[Ganancia del micrófono de vídeo]\nPuede elegir una ganancia del micrófono baja, media o alta para sus vídeos.",
    "[Microfoonversterking video]\nU kunt de microfoonversterking van uw video's instellen op laag, gemiddeld of hoog.",
    "[Усиление микрофона видео]\nДля видео можно выбрать низкое, среднее или высокое усиление микрофона.",
    "[视频麦克风增益]\n您可以将视频的麦克风增益选择为低、中或高。",
    "[Videon mikrofonin vahvistus]\nVoit valita videoiden mikrofonin vahvistukseksi matalan, keskitason tai korkean.",
    "[Zesílení mikrofonu videa]\nZesílení mikrofonu pro videa můžete nastavit na nízké, střední nebo vysoké.",
    "[Wzmocnienie mikrofonu wideo]\nWzmocnienie mikrofonu w filmach możesz ustawić na niskie, średnie lub wysokie."}};
const Translated kDateCaption{"[Date Caption]\nYou can record or hide date caption during video recording. Turn on the Wispen Camera and the date will be synced with your phone automatically.", {
    "[Légende de date]\nVous pouvez enregistrer ou masquer la légende de date pendant l'enregistrement vidéo. Allumez la Wispen Camera : la date est synchronisée automatiquement avec votre téléphone.",
    "[Datumseinblendung]\nSie können die Datumseinblendung bei der Videoaufnahme aufzeichnen oder ausblenden. Schalten Sie die Wispen Camera ein, dann wird das Datum automatisch mit Ihrem Telefon synchronisiert.",
    "[Didascalia data]\nÈ possibile registrare o nascondere la didascalia della data durante la registrazione video. Accendere la Wispen Camera e la data verrà sincronizzata automaticamente con il telefono.",
    "[日付キャプション]\nビデオ録画中に日付キャプションを記録するか非表示にするかを選択できます。Wispen Cameraの電源を入れると、日付が携帯電話と自動的に同期されます。",
    "[날짜 캡션]\n동영상 녹화 중에 날짜 캡션을 기록하거나 숨길 수 있습니다. Wispen Camera를 켜면 날짜가 휴대전화와 자동으로 동기화됩니다.",
    "[Leyenda de fecha]\nPuede grabar u ocultar la leyenda de fecha durante la grabación de vídeo. Encienda la Wispen Camera y la fecha se sincronizará automáticamente con su teléfono.",
    "[Datumbijschrift]\nU kunt het datumbijschrift tijdens de video-opname opnemen of verbergen. Schakel de Wispen Camera in en de datum wordt automatisch met uw telefoon gesynchroniseerd.",
    "[Подпись с датой]\nВо время записи видео подпись с датой можно записывать или скрывать. Включите Wispen Camera, и дата автоматически синхронизируется с вашим телефоном.",
    "[日期标题]\n录制视频时，您可以记录或隐藏日期标题。打开 Wispen Camera，日期将自动与您的手机同步。",
    "[Päivämääräteksti]\nVoit tallentaa tai piilottaa päivämäärätekstin videotallennuksen aikana. Käynnistä Wispen Camera, niin päivämäärä synkronoidaan automaattisesti puhelimesi kanssa.",
    "[Popisek data]\nBěhem nahrávání videa můžete popisek data zaznamenat nebo skrýt. Zapněte Wispen Camera a datum se automaticky synchronizuje s vaším telefonem.",
    "[Podpis z datą]\nPodczas nagrywania wideo możesz nagrywać lub ukrywać podpis z datą. Włącz Wispen Camera, a data zostanie automatycznie zsynchronizowana z telefonem."}};
const Translated kSpeakerSoundRecording{"[Speaker Sound Recording]\nYou can choose to turn on %@ and record everything you hear through your speakers as well as your voice during video recording. Turn off %@ if you want to record your voice only.", {
    "[Enregistrement du son des haut-parleurs]\nVous pouvez activer %@ et enregistrer tout ce que vous entendez dans vos haut-parleurs ainsi que votre voix pendant l'enregistrement vidéo. Désactivez %@ si vous voulez enregistrer uniquement votre voix.",
    "[Lautsprecher-Tonaufnahme]\nSie können %@ einschalten und während der Videoaufnahme alles aufzeichnen, was Sie über Ihre Lautsprecher hören, sowie Ihre Stimme. Schalten Sie %@ aus, wenn Sie nur Ihre Stimme aufzeichnen möchten.",
    "[Registrazione suono altoparlanti]\nÈ possibile attivare %@ e registrare tutto ciò che si sente dagli altoparlanti insieme alla propria voce durante la registrazione video. Disattivare %@ se si desidera registrare solo la propria voce.",
    "[スピーカー音声の録音]\n%@をオンにすると、ビデオ録画中にスピーカーから聞こえるすべての音と自分の声を録音できます。自分の声だけを録音したい場合は、%@をオフにしてください。",
    "[스피커 소리 녹음]\n%@을(를) 켜면 동영상 녹화 중에 스피커로 들리는 모든 소리와 자신의 목소리를 녹음할 수 있습니다. 자신의 목소리만 녹음하려면 %@을(를) 끄십시오.",
    "[Grabación del sonido de los altavoces]\nPuede activar %@ y grabar todo lo que oye por los altavoces, además de su voz, durante la grabación de vídeo. Desactive %@ si solo quiere grabar su voz.",
    "[Luidsprekergeluid opnemen]\nU kunt %@ inschakelen en tijdens de video-opname alles opnemen wat u via uw luidsprekers hoort, samen met uw stem. Schakel %@ uit als u alleen uw stem wilt opnemen.",
    "[Запись звука динамиков]\nМожно включить %@ и во время записи видео записывать все, что вы слышите в динамиках, вместе со своим голосом. Выключите %@, если хотите записывать только свой голос.",
    "[扬声器声音录制]\n您可以打开 %@，在录制视频时录下扬声器中听到的所有声音以及您的声音。如果您只想录下自己的声音，请关闭 %@。",
    "[Kaiuttimien äänen tallennus]\nVoit ottaa %@ käyttöön ja tallentaa videotallennuksen aikana kaiken kaiuttimista kuulemasi sekä oman äänesi. Poista %@ käytöstä, jos haluat tallentaa vain oman äänesi.",
    "[Nahrávání zvuku reproduktorů]\nMůžete zapnout %@ a během nahrávání videa zaznamenávat vše, co slyšíte z reproduktorů, spolu se svým hlasem. Pokud chcete nahrávat jen svůj hlas, vypněte %@.",
    "[Nagrywanie dźwięku z głośników]\nMożesz włączyć %@ i podczas nagrywania wideo rejestrować wszystko, co słyszysz w głośnikach, razem ze swoim głosem. Wyłącz %@, jeśli chcesz nagrywać tylko swój głos."}};
const Translated kAutoCameraSleep{"[Auto Camera Sleep]\nYou can choose to turn on %@ and set the camera to automatically power off after five minutes of inactivity. Turn off %@ if you do not want your camera to turn off automatically.", {
    "[Veille automatique de la caméra]\nVous pouvez activer %@ pour que la caméra s'éteigne automatiquement après cinq minutes d'inactivité. Désactivez %@ si vous ne voulez pas que la caméra s'éteigne automatiquement.",
    "[Automatischer Kamera-Ruhemodus]\nSie können %@ einschalten, damit sich die Kamera nach fünf Minuten Inaktivität automatisch ausschaltet. Schalten Sie %@ aus, wenn sich Ihre Kamera nicht automatisch ausschalten soll.",
    "[Sospensione automatica videocamera]\nÈ possibile attivare %@ per spegnere automaticamente la videocamera dopo cinque minuti di inattività. Disattivare %@ se non si desidera che la videocamera si spenga automaticamente.",
    "[カメラの自動スリープ]\n%@をオンにすると、5分間操作がないときにカメラの電源が自動的に切れるように設定できます。カメラの電源を自動的に切りたくない場合は、%@をオフにしてください。",
    "[카메라 자동 절전]\n%@을(를) 켜면 5분 동안 사용하지 않을 때 카메라가 자동으로 꺼지도록 설정할 수 있습니다. 카메라가 자동으로 꺼지지 않게 하려면 %@을(를) 끄십시오.",
    "[Suspensión automática de la cámara]\nPuede activar %@ para que la cámara se apague automáticamente tras cinco minutos de inactividad. Desactive %@ si no quiere que la cámara se apague automáticamente.",
    "[Automatische slaapstand camera]\nU kunt %@ inschakelen zodat de camera na vijf minuten inactiviteit automatisch uitschakelt. Schakel %@ uit als u niet wilt dat uw camera automatisch uitschakelt.",
    "[Автоматический сон камеры]\nМожно включить %@, чтобы камера автоматически выключалась после пяти минут бездействия. Выключите %@, если не хотите, чтобы камера выключалась автоматически.",
    "[摄像头自动休眠]\n您可以打开 %@，让摄像头在五分钟无操作后自动关机。如果您不想让摄像头自动关机，请关闭 %@。",
    "[Kameran automaattinen lepotila]\nVoit ottaa %@ käyttöön, jolloin kamera sammuu automaattisesti viiden minuutin käyttämättömyyden jälkeen. Poista %@ käytöstä, jos et halua kameran sammuvan automaattisesti.",
    "[Automatický spánek kamery]\nMůžete zapnout %@, aby se kamera po pěti minutách nečinnosti automaticky vypnula. Pokud nechcete, aby se kamera vypínala automaticky, vypněte %@.",
    "[Automatyczne uśpienie kamery]\nMożesz włączyć %@, aby kamera automatycznie wyłączała się po pięciu minutach bezczynności. Wyłącz %@, jeśli nie chcesz, aby kamera wyłączała się automatycznie."}};
const char* const kAutomaticPowerOffJapanese = "[自動電源オフ]\n自動電源オフを有効にすると、メッシュインターコムがオフで、Bluetooth機器が接続されておらず、ボタン操作もない状態が30分続いたときに、ヘッドセットの電源が自動的に切れます。";
const char* const kAutomaticPowerOffChinese = "[Automatic Power Off]\n启用自动关机后，如果 Mesh 对讲已关闭、未连接任何蓝牙设备且 30 分钟内没有任何按键操作，耳机将自动关机。";
// clang-format on

} // namespace kivo::settings::info_tables
